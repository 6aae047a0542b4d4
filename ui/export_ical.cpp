// The year's named days as an iCalendar file (RFC 5545), one all-day event
// each. A file is never overwritten, and a failed write leaves none behind.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/date_math.h"
#include "ui/ical_export.h"
#include "ui/frmKalender.h"

namespace {

bool folder_writable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

void frmKalender::cmdExport_Click() {
    clsCalendar& cal = *engine_;
    const std::int32_t kept_day = cal.Tag(), kept_month = cal.Monat(), kept_year = cal.Jahr();
    const QDateTime now = now_();
    const QByteArray stamp = now.toUTC().toString("yyyyMMdd'T'HHmmss'Z'").toLatin1();

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

    std::vector<vespera::ui::NamedDay> days;
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        cal.Feiertag_Datum(i);
        days.push_back({vespera::day_number(cal.Jahr(), cal.Monat(), cal.Tag()),
                        QString::fromStdString(cal.Feiertag_NurName(i))});
    }
    cal.SetDatum(std::chrono::year{kept_year} / static_cast<unsigned>(kept_month) / static_cast<unsigned>(kept_day));
    const QByteArray text = vespera::ui::ical_document(days, stamp);

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
