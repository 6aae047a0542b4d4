// The window with the user's own dates: read once it is on the screen, then
// in the month, the day report, the year's list and the status line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "ui/MonthView.h"
#include "window_fixture.h"

namespace {

TEST(OwnDatesWindow, TodaysBirthdayInTheStatusLineTheMonthTheReportAndTheList) {
    WindowForTest t;
    t.storeOwnDates("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
               "BEGIN:VEVENT\r\nUID:anna@test\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:19840503\r\n"
               "RRULE:FREQ=YEARLY\r\nSUMMARY:Anna\r\nCATEGORIES:Geburtstag\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    t.start();
    // The first picture comes without them; the event loop then reads the file.
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(t.find<QLabel>("lblStatus")->text(), QStringLiteral("Heute: Annas Geburtstag (40)"));
    const MonthModel& month = t.find<MonthView>("picMonat")->model();
    EXPECT_EQ(month.own_names[3], QStringLiteral("Anna (40)"));
    EXPECT_TRUE(month.marks[3].own_date);
    EXPECT_FALSE(month.marks[4].own_date);
    EXPECT_TRUE(month.tooltips[3].contains(QStringLiteral("Anna: 40. Geburtstag"))) << month.tooltips[3].toStdString();
    EXPECT_TRUE(t.reportLines().contains(QStringLiteral("Anna: 40. Geburtstag\tGeburtstag")))
        << t.reportLines().join('\n').toStdString();
    t.click("cmdDaten(10)");
    EXPECT_TRUE(t.reportLines().contains(QStringLiteral("3.5.2024\tAnna: 40. Geburtstag\tGeburtstag")))
        << t.reportLines().join('\n').toStdString();
}

} // namespace
