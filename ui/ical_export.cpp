#include "ui/ical_export.h"

#include "engine/date_math.h"

namespace vespera::ui {
namespace {

// "20240503" from a day number.
QByteArray date_value(std::int64_t day_number) {
    const vespera::CivilDate date = vespera::civil_date(day_number);
    return QByteArray::number(static_cast<qlonglong>(date.year)) +
           QByteArray::number(date.month).rightJustified(2, '0') + QByteArray::number(date.day).rightJustified(2, '0');
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
        } else if (!slug.isEmpty() && !slug.endsWith('-')) {
            slug += '-';
        }
    }
    while (slug.endsWith('-')) slug.chop(1);
    return date_value(day_number) + "-" + slug + "@vespera";
}

} // namespace

QString ical_name(QString name) {
    name.replace(QString::fromUtf8("ö"), "oe");
    name.replace(QString::fromUtf8("ä"), "ae");
    name.replace(QString::fromUtf8("ü"), "ue");
    return name;
}

QByteArray ical_document(const std::vector<NamedDay>& days, const QByteArray& stamp_utc) {
    QByteArray text;
    auto line = [&text](const QByteArray& content) { text += content + "\r\n"; };
    line("BEGIN:VCALENDAR");
    line("PRODID:-//Vespera//Vespera " + QByteArray::number(VESPERA_VERSION_MAJOR) + "." +
         QByteArray::number(VESPERA_VERSION_MINOR) + "//DE");
    line("VERSION:2.0");
    line("X-WR-CALNAME:FeiertageDeutschland");
    line("X-WR-TIMEZONE:Europe/Berlin");
    for (const NamedDay& day : days) {
        const QString name = ical_name(day.name);
        line("BEGIN:VEVENT");
        line("UID:" + uid_for(day.day_number, name));
        line("CREATED:" + stamp_utc);
        line("LAST-MODIFIED:" + stamp_utc);
        line("DTSTAMP:" + stamp_utc);
        line("SUMMARY:" + escaped_text(name).toUtf8());
        line("STATUS:CONFIRMED");
        line("CATEGORIES:Feiertag");
        line("TRANSP:TRANSPARENT");
        line("DTSTART;VALUE=DATE:" + date_value(day.day_number));
        line("DTEND;VALUE=DATE:" + date_value(day.day_number + 1));
        line("End:VEVENT");
    }
    line("END:VCALENDAR");
    return text;
}

} // namespace vespera::ui
