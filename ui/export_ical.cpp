// "Export iCal": the year's named days as an iCalendar file (report/ical.h
// makes the text). A file is never overwritten, and a failed write leaves
// none behind.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>

#include "report/ical.h"
#include "ui/frmKalender.h"

namespace {

bool folder_writable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

void frmKalender::cmdExport_Click() {
    const QDateTime now = now_();

    QStringList folders = export_folders_;
    if (folders.isEmpty()) {
        folders << QCoreApplication::applicationDirPath()
                << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString folder;
    for (const QString& candidate : folders) {
        if (folder_writable(candidate)) {
            folder = candidate;
            break;
        }
    }
    if (folder.isEmpty()) {
        showWindowFault(75, "Path/File access error", "cmdExport_Click");
        return;
    }
    const QString base = QStringLiteral("export_%1").arg(std::lround(now.time().msecsSinceStartOfDay() / 1000.0));
    QString path = QDir(folder).filePath(base + ".ics");
    for (int n = 2; QFileInfo::exists(path); ++n) path = QDir(folder).filePath(QStringLiteral("%1-%2.ics").arg(base).arg(n));

    const std::string document = vespera::report::ical_document(vespera::report::year_named_days(*engine_),
                                                                vespera::report::ical_stamp(now.toSecsSinceEpoch()));
    const QByteArray text = QByteArray::fromStdString(document);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        showWindowFault(75, "Path/File access error", "cmdExport_Click");
        return;
    }
    if (file.write(text) != text.size() || !file.commit()) {
        file.cancelWriting();
        showWindowFault(61, "Disk full", "cmdExport_Click");
        return;
    }
    last_export_path_ = QFileInfo(path).absoluteFilePath();
    lblStatus->setText(QStringLiteral("Exportiert nach %1").arg(QDir::toNativeSeparators(last_export_path_)));
}

void frmKalender::showWindowFault(int number, const char* description, const char* procedure) {
    showMessage(QStringLiteral("Error %1 (%2), line 0  in procedure %3 of Formular frmKalender")
                    .arg(number)
                    .arg(QLatin1String(description), QLatin1String(procedure)));
}
