// The year's named days as an iCalendar file (RFC 5545), one all-day event
// each. A file is never overwritten, and a failed write leaves none behind.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/date_math.h"
#include "ui/frmKalender.h"

namespace {

// "20240503" from a day number.
QByteArray date_value(std::int64_t day_number) {
    const vespera::CivilDate date = vespera::civil_date(day_number);
    return QByteArray::number(static_cast<qlonglong>(date.year)) +
           QByteArray::number(date.month).rightJustified(2, '0') + QByteArray::number(date.day).rightJustified(2, '0');
}

// Lower-case umlauts only; capitals and ß stay as they are.
QString without_umlauts(QString name) {
    name.replace(QString::fromUtf8("ö"), "oe");
    name.replace(QString::fromUtf8("ä"), "ae");
    name.replace(QString::fromUtf8("ü"), "ue");
    return name;
}

// TEXT values escape backslash, semicolon and comma (RFC 5545, 3.3.11).
QString escaped_text(QString text) {
    text.replace('\\', "\\\\");
    text.replace(';', "\\;");
    text.replace(',', "\\,");
    return text;
}

// The same year, day and name give the same UID, so that importing a second
// export updates the events instead of doubling them.
QByteArray uid_for(std::int64_t day_number, const QString& name) {
    QByteArray slug;
    for (const QChar c : name.toLower()) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            slug += static_cast<char>(c.unicode());
        } else if (!slug.endsWith('-') && !slug.isEmpty()) {
            slug += '-';
        }
    }
    while (slug.endsWith('-')) slug.chop(1);
    return date_value(day_number) + "-" + slug + "@vespera";
}

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

    QByteArray text;
    auto line = [&text](const QByteArray& content) { text += content + "\r\n"; };
    line("BEGIN:VCALENDAR");
    line("PRODID:-//Vespera//Vespera " + QByteArray::number(VESPERA_VERSION_MAJOR) + "." +
         QByteArray::number(VESPERA_VERSION_MINOR) + "//DE");
    line("VERSION:2.0");
    line("X-WR-CALNAME:FeiertageDeutschland");
    line("X-WR-TIMEZONE:Europe/Berlin");
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        cal.Feiertag_Datum(i);
        const std::int64_t day = vespera::day_number(cal.Jahr(), cal.Monat(), cal.Tag());
        const QString name = without_umlauts(QString::fromStdString(cal.Feiertag_NurName(i)));
        line("BEGIN:VEVENT");
        line("UID:" + uid_for(day, name));
        line("CREATED:" + stamp);
        line("LAST-MODIFIED:" + stamp);
        line("DTSTAMP:" + stamp);
        line("SUMMARY:" + escaped_text(name).toUtf8());
        line("STATUS:CONFIRMED");
        line("CATEGORIES:Feiertag");
        line("TRANSP:TRANSPARENT");
        line("DTSTART;VALUE=DATE:" + date_value(day));
        line("DTEND;VALUE=DATE:" + date_value(day + 1));
        line("End:VEVENT");
    }
    line("END:VCALENDAR");
    cal.SetDatum(std::chrono::year{kept_year} / static_cast<unsigned>(kept_month) / static_cast<unsigned>(kept_day));

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
