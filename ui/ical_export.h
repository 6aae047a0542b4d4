// The iCalendar text (RFC 5545) of a year's named days, as all-day events.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace vespera::ui {

struct NamedDay {
    std::int64_t day_number;
    QString name;
};

// Lower-case umlauts become oe, ae, ue; capitals and ß stay.
QString ical_name(QString name);

// The whole calendar with CR LF line ends. `stamp_utc` is "20240503T141502Z".
QByteArray ical_document(const std::vector<NamedDay>& days, const QByteArray& stamp_utc);

} // namespace vespera::ui
