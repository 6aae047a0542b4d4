#include "ui/pdf_file.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace vespera::ui {
namespace {

// Fine enough for hairlines on paper; text is text whatever the resolution.
constexpr int kPdfResolution_dpi = 600;

QString failed(const QString& path, const QString& reason) {
    return QStringLiteral("Die PDF-Datei \u201e%1\u201c lie\u00df sich nicht speichern: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Why a file cannot be created in its folder.
QString open_failure(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists()) return QStringLiteral("den Ordner gibt es nicht");
    if (!folder.isDir()) return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    if (file.isDir()) return QStringLiteral("das ist ein Ordner");
    if (!folder.isWritable() || (file.exists() && !file.isWritable())) return QStringLiteral("keine Berechtigung");
    return QStringLiteral("die Datei l\u00e4sst sich nicht anlegen");
}

} // namespace

PdfOutcome save_pdf(const QString& path, const QPageLayout& layout, const QString& title,
                    const std::function<int(QPagedPaintDevice&)>& draw) {
    PdfOutcome outcome;
    if (path.isEmpty()) {
        outcome.error = failed(path, QStringLiteral("kein Dateiname"));
        return outcome;
    }
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
        outcome.error = failed(path, open_failure(path));
        return outcome;
    }
    {
        // The writer puts the document into the file when the painter ends,
        // inside draw().
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution_dpi);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vespera"));
        outcome.pages = draw(writer);
    }
    if (outcome.pages <= 0) {
        file.cancelWriting();
        outcome.pages = 0;
        outcome.error = failed(path, QStringLiteral("das Dokument lie\u00df sich nicht zeichnen"));
        return outcome;
    }
    if (!file.commit()) {
        outcome.error = failed(path, QStringLiteral("Schreibfehler (ist der Datentr\u00e4ger voll?)"));
        outcome.pages = 0;
    }
    return outcome;
}

} // namespace vespera::ui
