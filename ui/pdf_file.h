// Saving a printed document as a PDF file through QSaveFile: the file appears
// only when it is complete, and a file it replaces stays until then.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace vespera::ui {

struct PdfOutcome {
    int pages = 0;
    QString error; // German, naming the path; empty when the file was written
};

// `draw` paints the document on the PDF writer and returns its pages (0: it
// could not). Replaces an existing file: the save dialog has asked.
PdfOutcome save_pdf(const QString& path, const QPageLayout& layout, const QString& title,
                    const std::function<int(QPagedPaintDevice&)>& draw);

} // namespace vespera::ui
