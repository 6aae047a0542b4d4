// The documents that Vespera prints or saves as PDF, each drawn by one
// routine from the report layer's data, whatever the device: a printer from
// the print dialog or a PDF writer.
#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace vespera::report {
struct MonthGrid;
struct Report;
struct SunTable;
struct BirthdayCalendar;
} // namespace vespera::report

namespace vespera::ui {

enum class PrintedDocument {
    Month,    // the month grid, A4 landscape, one page
    Report,   // the shown report or year list, A4 portrait, as many pages as it needs
    SunTable, // the year's sunrise table, A4 portrait, one page per quarter
    Birthdays, // the year's birthdays and anniversaries by month, A4 portrait, one page
};

// Paper, orientation and margins of a document; set on the device before it
// is drawn (and on a printer before its dialog, which shows them).
QPageLayout page_layout(PrintedDocument document);

// Each draws the whole document scaled to the device's printable area and
// returns the pages drawn: 0 when the device refused the painter (no
// printer, a file that cannot be written).
// Seen from south of the equator, the waxing Moon is lit on the left.
int draw_month(QPagedPaintDevice& device, const report::MonthGrid& grid, const QString& heading,
               bool southern_sky = false);
// `note`, when given, stands under the title of every page: the holiday
// list's filter and region.
int draw_report(QPagedPaintDevice& device, const report::Report& report, const QString& note = {});
int draw_sun_table(QPagedPaintDevice& device, const report::SunTable& table);
int draw_birthday_calendar(QPagedPaintDevice& device, const report::BirthdayCalendar& calendar,
                           const QString& heading);

} // namespace vespera::ui
