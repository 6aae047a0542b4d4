#include "ui/pdf_file.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <cerrno>

#include "ui/safe_save.h"

namespace vespera::ui {
namespace {

// Fine enough for hairlines on paper; text is text whatever the resolution.
constexpr int kPdfResolution_dpi = 600;

QString failed(const QString& path, const QString& reason) {
    return QStringLiteral("Die PDF-Datei \u201e%1\u201c lie\u00df sich nicht speichern: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

PdfOutcome save_pdf(const QString& path, const QPageLayout& layout, const QString& title,
                    const std::function<int(QPagedPaintDevice&)>& draw, const vespera::WriteSeams& seams) {
    PdfOutcome outcome;
    if (path.isEmpty()) {
        outcome.error = failed(path, QStringLiteral("kein Dateiname"));
        return outcome;
    }
    // A name that cannot be written is said before the drawing.
    const SaveResult refused = [&]() -> SaveResult {
        const QFileInfo target(path);
        if (target.isSymLink()) return {SaveProblem::SymbolicLink, 0};
        if (target.exists() && target.isDir()) return {SaveProblem::NotRegular, EISDIR};
        if (target.exists() && !target.isFile()) return {SaveProblem::NotRegular, 0};
        const QFileInfo folder(target.absolutePath());
        if (!folder.isDir()) return {SaveProblem::NoFolder, folder.exists() ? ENOTDIR : ENOENT};
        return {};
    }();
    if (!refused.ok()) {
        outcome.error = failed(path, save_reason(refused));
        return outcome;
    }
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        // The writer puts the document into the buffer when the painter
        // ends, inside draw().
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution_dpi);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vespera"));
        outcome.pages = draw(writer);
    }
    if (outcome.pages <= 0 || document.isEmpty()) {
        outcome.pages = 0;
        outcome.error = failed(path, QStringLiteral("das Dokument lie\u00df sich nicht zeichnen"));
        return outcome;
    }
    const SaveResult saved = save_file(path, document, SaveMode::Replace, seams);
    if (!saved.ok()) {
        outcome.error = failed(path, save_reason(saved));
        outcome.pages = 0;
    }
    return outcome;
}

} // namespace vespera::ui
