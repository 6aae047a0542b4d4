// Saving a printed document as a PDF file: drawn in memory, then written
// through the one safe writer, so the file appears only when it is complete
// and on the disk, and a file it replaces stays until then.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

#include "base/safe_file.h"

class QPagedPaintDevice;

namespace vespera::ui {

struct PdfOutcome {
    int pages = 0;
    QString error; // German, naming the path; empty when the file was written
};

// `draw` paints the document on the PDF writer and returns its pages (0: it
// could not). Replaces an existing regular file (the save dialog has asked),
// never a symbolic link.
PdfOutcome save_pdf(const QString& path, const QPageLayout& layout, const QString& title,
                    const std::function<int(QPagedPaintDevice&)>& draw, const vespera::WriteSeams& seams = {});

} // namespace vespera::ui
