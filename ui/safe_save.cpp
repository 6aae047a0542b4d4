#include "ui/safe_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vespera::ui {

SaveResult save_file(const QString& path, const QByteArray& content, SaveMode mode, const vespera::WriteSeams& seams) {
    return vespera::write_file_safely(QFile::encodeName(path).toStdString(),
                                      std::string_view(content.constData(), static_cast<std::size_t>(content.size())),
                                      mode, seams);
}

QString save_reason(const SaveResult& result) { return QString::fromStdString(vespera::write_reason(result)); }

QString save_problem_text(const SaveResult& result, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (result.problem) {
    case SaveProblem::None: return {};
    case SaveProblem::Exists:
        return QStringLiteral("Die Datei \u201e%1\u201c gibt es inzwischen; sie wurde nicht überschrieben. Bitte "
                              "exportieren Sie noch einmal und bestätigen Sie das Ersetzen, oder wählen Sie einen "
                              "anderen Namen.")
            .arg(file);
    case SaveProblem::SymbolicLink:
        return QStringLiteral("\u201e%1\u201c ist eine symbolische Verknüpfung; Vespera schreibt nicht durch "
                              "Verknüpfungen. Bitte wählen Sie einen anderen Dateinamen.")
            .arg(file);
    case SaveProblem::NotRegular:
        return QStringLiteral("\u201e%1\u201c ist keine gewöhnliche Datei (etwa ein Ordner) und wird nicht ersetzt. "
                              "Bitte wählen Sie einen anderen Dateinamen.")
            .arg(file);
    case SaveProblem::NoFolder:
        return QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht anlegen: den Ordner \u201e%2\u201c gibt es "
                              "nicht. Bitte wählen Sie einen vorhandenen Ordner.")
            .arg(file, folder);
    case SaveProblem::NoPermission:
        return QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht anlegen: im Ordner \u201e%2\u201c fehlt das "
                              "Schreibrecht. Bitte wählen Sie einen Ordner, in den Sie schreiben dürfen, etwa Ihren "
                              "Dokumente-Ordner.")
            .arg(file, folder);
    case SaveProblem::DiskFull:
        return QStringLiteral("Die Datei \u201e%1\u201c ließ sich nicht schreiben: %2. Bitte schaffen Sie Platz oder "
                              "wählen Sie einen anderen Ort. Es wurde nichts geschrieben.")
            .arg(file, save_reason(result));
    case SaveProblem::NameTooLong:
        return QStringLiteral("Der Dateiname \u201e%1\u201c ist zu lang. Bitte wählen Sie einen kürzeren Namen.")
            .arg(QFileInfo(path).fileName());
    case SaveProblem::Other: break;
    }
    return QStringLiteral("Die Datei \u201e%1\u201c ließ sich nicht schreiben: %2. Bitte wählen Sie einen anderen "
                          "Ort. Es wurde nichts geschrieben.")
        .arg(file, save_reason(result));
}

} // namespace vespera::ui
