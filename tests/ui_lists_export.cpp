#include <gtest/gtest.h>

#include <libical/ical.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <csignal>

#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "report/ical.h"
#include "window_fixture.h"

namespace {

// ---- year lists --------------------------------------------------------

TEST(YearLists, ThirteenFullMoonsOf2023) {
    WindowForTest t;
    t.now = berlin_time(QDate(2023, 6, 1), QTime(12, 0));
    t.start();
    const double jd = t.window->engine().JD();
    t.click("cmdDaten(4)");
    const QStringList lines = t.reportLines();
    EXPECT_EQ(lines.first(), "Vollmonde im Jahr 2023");
    EXPECT_EQ(lines.size(), 1 + 13);
    EXPECT_TRUE(lines.contains("31.8.2023, Do\tum 03:36 Uhr") || lines.filter(QRegularExpression("^31\\.8\\.2023, Do\tum 03:3\\d Uhr$")).size() == 1)
        << lines.join("|").toStdString();
    EXPECT_EQ(t.window->engine().JD(), jd);
    t.click("cmdDaten(5)");
    EXPECT_EQ(t.reportLines().first(), "Neumonde im Jahr 2023");
    EXPECT_EQ(t.reportLines().size(), 1 + 12);
    EXPECT_EQ(t.window->engine().JD(), jd);
}

TEST(YearLists, NewMoonsMarkEclipsesSeenAtThePlace) {
    WindowForTest t;
    t.now = berlin_time(QDate(2022, 6, 1), QTime(12, 0));
    t.start();
    t.click("cmdDaten(5)");
    const QStringList marked = t.reportLines().filter(" Sonnenfinsternis");
    ASSERT_EQ(marked.size(), 1) << t.reportLines().join("|").toStdString();
    EXPECT_TRUE(marked[0].startsWith("25.10.2022, Di\tum 1"));
}

TEST(YearLists, SeasonsAndClockChanges) {
    WindowForTest t;
    t.start();
    const double jd = t.window->engine().JD();
    t.click("cmdDaten(6)");
    const QStringList lines = t.reportLines();
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "Jahreszeiten im Jahr 2024");
    EXPECT_TRUE(lines[1].startsWith("Frühling\t20.3.2024, Mi um 04:0"));
    EXPECT_EQ(lines[5], "Dauer der Jahreszeiten");
    EXPECT_TRUE(lines[6].contains(QRegularExpression("^Frühling\t92 Tage, \\d\\d:\\d\\d Stunden$")));
    EXPECT_EQ(lines[10], "Sommerzeit und Winterzeit");
    EXPECT_EQ(lines[11], "Sommerzeit\t31.3.2024, So (für 210 Tage)");
    EXPECT_EQ(lines[12], "Winterzeit\t27.10.2024, So");
    EXPECT_EQ(t.window->engine().JD(), jd);
}

TEST(YearLists, NegativeYearHeadings) {
    WindowForTest t;
    t.start();
    t.window->ZeichneMonat(5, -100);
    const char* buttons[] = {"cmdDaten(3)", "cmdDaten(4)", "cmdDaten(5)", "cmdDaten(6)"};
    const char* headings[] = {"Feiertage im Jahr 100 v.C.", "Vollmonde im Jahr 100 v.C.", "Neumonde im Jahr 100 v.C.",
                              "Jahreszeiten im Jahr 100 v.C."};
    for (int i = 0; i < 4; ++i) {
        const double jd = t.window->engine().JD();
        t.click(buttons[i]);
        EXPECT_EQ(t.reportLines().first(), headings[i]);
        EXPECT_EQ(t.window->engine().JD(), jd) << buttons[i];
    }
    // Full moons count by their local day's year, also before the era.
    t.click("cmdDaten(4)");
    EXPECT_GE(t.reportLines().size(), 1 + 12);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(YearLists, HolidayListFromTheScrollPosition) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(3)");
    QStringList lines = t.reportLines();
    EXPECT_EQ(lines[0], "Feiertage im Jahr 2024");
    EXPECT_EQ(lines[1], "1.1.2024\tMontag, Neujahr");
    EXPECT_EQ(lines.size(), 1 + 73);
    // Over the scroll range, in windows of 20 rows, the list shows all 73
    // named days; the last window ends with Silvester.
    auto* bar = t.find<QScrollBar>("ucScrollbar1");
    QStringList seen;
    for (int position = 0; position < bar->maximum(); position += 20) {
        bar->setValue(position);
        seen << t.reportLines().mid(1, 20);
    }
    bar->setValue(bar->maximum());
    seen << t.reportLines().mid(1);
    EXPECT_EQ(t.reportLines().last(), "31.12.2024\tDienstag, Silvester");
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 73);
    EXPECT_TRUE(lines.contains("1.5.2024\tMittwoch, Tag der Arbeit"));
    EXPECT_TRUE(lines.contains("3.10.2024\tDonnerstag, Tag der Deutschen Einheit"));
    EXPECT_EQ(t.window->engine().Format_Datum(0), "3.5.2024");
}

// Before year 9 the grid shows February with 29 days (30 in the leap years up
// to 44 BC) while the day numbers count the Julian February: the last day has
// the day number of 1 March. A list must still leave the engine on the day
// the grid selects, so that ">" goes on to March and not to April.
TEST(YearLists, EarlyFebruaryDaysSurviveAList) {
    struct Case {
        const char* year;
        int day;
        const char* date;
    };
    const Case cases[] = {{"7", 29, "29.2.7"}, {"-44", 30, "30.2.-44"}};
    for (const Case& c : cases) {
        WindowForTest t;
        t.start();
        t.find<QLineEdit>("txtJahr")->setText(QString::fromLatin1(c.year));
        for (int i = 0; i < 3; ++i) t.click("cmdAendern(0)");
        ASSERT_EQ(t.find<QLabel>("lblMonat")->text(), "Februar") << c.year;
        emit t.find<MonthView>("picMonat")->dayPressed(c.day);
        for (const char* list : {"cmdDaten(3)", "cmdDaten(4)", "cmdDaten(5)", "cmdDaten(6)"}) {
            t.click(list);
            EXPECT_EQ(t.window->engine().Format_Datum(0), c.date) << list;
            EXPECT_EQ(t.window->selectedDay(), c.day) << list;
        }
        t.click("cmdAendern(1)");
        EXPECT_EQ(t.find<QLabel>("lblMonat")->text(), "März") << c.year;
        EXPECT_TRUE(t.messages.isEmpty()) << c.year;
    }
}

// ---- export ------------------------------------------------------------

struct ParsedCalendar {
    int events = 0;
    bool calendar_name = false;
    bool time_zone = false;
    bool all_fine = true;
    QStringList summaries;
};

ParsedCalendar parse_with_libical(const QByteArray& text) {
    ParsedCalendar result;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (!calendar) {
        result.all_fine = false;
        return result;
    }
    for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        const QString name = QString::fromUtf8(icalproperty_get_x_name(p));
        const QString value = QString::fromUtf8(icalproperty_get_x(p));
        if (name == "X-WR-CALNAME" && value == "FeiertageDeutschland") result.calendar_name = true;
        if (name == "X-WR-TIMEZONE" && value == "Europe/Berlin") result.time_zone = true;
    }
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        ++result.events;
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        const icaltimetype next = icaltime_add(start, icaldurationtype_from_int(86400));
        icalproperty* created = icalcomponent_get_first_property(e, ICAL_CREATED_PROPERTY);
        icalproperty* modified = icalcomponent_get_first_property(e, ICAL_LASTMODIFIED_PROPERTY);
        const icaltimetype stamp = icalcomponent_get_dtstamp(e);
        const bool fine = start.is_date && end.is_date && icaltime_compare_date_only(next, end) == 0 &&
                          icalcomponent_get_uid(e) && icalcomponent_get_summary(e) && !icaltime_is_null_time(stamp) &&
                          created && modified &&
                          icaltime_compare(icalproperty_get_created(created), stamp) == 0 &&
                          icaltime_compare(icalproperty_get_lastmodified(modified), stamp) == 0;
        if (!fine) result.all_fine = false;
        if (icalcomponent_get_summary(e)) result.summaries << QString::fromUtf8(icalcomponent_get_summary(e));
    }
    icalcomponent_free(calendar);
    return result;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Export, ParsedByLibical) {
    WindowForTest t;
    QTemporaryDir folder;
    t.start();
    t.window->setExportFolders({folder.path()});
    t.click("cmdExport");
    ASSERT_TRUE(t.messages.isEmpty()) << t.messages.join("\n").toStdString();
    const QString path = t.window->lastExportPath();
    // 14:15:02 local is second 51302 of the day.
    EXPECT_EQ(QFileInfo(path).fileName(), "export_51302.ics");
    EXPECT_TRUE(t.find<QLabel>("lblStatus")->text().contains(QFileInfo(path).fileName()));
    const QByteArray text = read_file(path);
    EXPECT_TRUE(text.startsWith("BEGIN:VCALENDAR\r\nPRODID:"));
    EXPECT_TRUE(text.endsWith("END:VCALENDAR\r\n"));
    EXPECT_EQ(text.count("\n"), text.count("\r\n"));
    EXPECT_TRUE(text.contains("DTSTAMP:" + t.now.toUTC().toString("yyyyMMdd'T'HHmmss'Z'").toLatin1() + "\r\n"));
    EXPECT_TRUE(text.contains("SUMMARY:Mariae Himmelfahrt\r\n"));
    EXPECT_TRUE(text.contains("SUMMARY:Buß-und Bettag\r\n"));
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20241231\r\nDTEND;VALUE=DATE:20250101\r\n"));
    const ParsedCalendar parsed = parse_with_libical(text);
    EXPECT_EQ(parsed.events, 73);
    EXPECT_TRUE(parsed.all_fine);
    EXPECT_TRUE(parsed.calendar_name);
    EXPECT_TRUE(parsed.time_zone);
    EXPECT_TRUE(parsed.summaries.contains("Weisser Sonntag") == false && parsed.summaries.contains("Weißer Sonntag"));
    EXPECT_EQ(t.window->engine().Format_Datum(0), "3.5.2024");
}

TEST(Export, NamesKeepCapitalUmlautsAndEscapeText) {
    EXPECT_EQ(vespera::report::ical_name("Überfall, öde; ä ü ß Ö Ä"), "Überfall, oede; ae ue ß Ö Ä");
    const QByteArray text =
        QByteArray::fromStdString(vespera::report::ical_document({{2460434, "Über; dies, das"}}, "20240503T121502Z"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("SUMMARY:Über\\; dies\\, das\r\n").toUtf8()));
    const ParsedCalendar parsed = parse_with_libical(text);
    ASSERT_EQ(parsed.summaries.size(), 1);
    EXPECT_EQ(parsed.summaries[0], QString::fromUtf8("Über; dies, das"));
    // The same day and name give the same UID in every export.
    EXPECT_NE(vespera::report::ical_document({{2460434, "X"}}, "A").find("UID:20240503-x@vespera"), std::string::npos);
}

TEST(Export, NeverOverwritesAndFallsBack) {
    WindowForTest t;
    QTemporaryDir folder;
    t.start();
    t.window->setExportFolders({folder.path() + "/missing", folder.path()});
    QFile existing(folder.filePath("export_51302.ics"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    t.click("cmdExport");
    EXPECT_EQ(QFileInfo(t.window->lastExportPath()).fileName(), "export_51302-2.ics");
    t.click("cmdExport");
    EXPECT_EQ(QFileInfo(t.window->lastExportPath()).fileName(), "export_51302-3.ics");
    EXPECT_EQ(read_file(folder.filePath("export_51302.ics")), "keep me");
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(Export, NoFolderOrAFullDiskLeavesNoFileAndTellsTheUser) {
    WindowForTest t;
    QTemporaryDir folder;
    t.start();
    t.window->setExportFolders({folder.path() + "/missing"});
    t.click("cmdExport");
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].startsWith("Error 75 (Path/File access error), line 0  in procedure cmdExport_Click"));

    // A disk that fills after 1 KiB: writes beyond the file-size limit fail.
    t.window->setExportFolders({folder.path()});
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &tiny);
    t.click("cmdExport");
    setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(t.messages.size(), 2);
    EXPECT_TRUE(t.messages[1].startsWith("Error 61 (Disk full)"));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).join(",").toStdString();
}

// ---- date difference -----------------------------------------------------

TEST(DateDifference, ResultsAndBadInput) {
    struct Case { const char* first; const char* second; const char* result; };
    const Case cases[] = {
        {"3.5.2024", "3.5.2024", "Die Differenz beträgt Null Tage."},
        {"3.5.2024", "24.12.2024", "Die Differenz beträgt 235 Tage."},
        {"24.12.2024", "3.5.2024", "Die Differenz beträgt -235 Tage."},
        {"4.10.1582", "15.10.1582", "Die Differenz beträgt 1 Tage."},
        {" 1.1.2000 ", "1.1.1970", "Die Differenz beträgt -10957 Tage."},
        {"3.5", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"a.b.c", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"", "", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"1..2024", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"1.1.2024.", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"31.2.2024", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"1.13.2024", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"99999999999.1.2024", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"1.1.99999", "3.5.2024", "Bei der Berechnung ist ein Fehler aufgetreten."},
        {"1.1.-27968", "31.12.27968", "Die Differenz beträgt 20430781 Tage."},
    };
    WindowForTest t;
    t.start();
    t.click("cmdDaten(2)");
    const QString before = QString::fromStdString(t.window->engine().Format_Datum(0));
    for (const Case& c : cases) {
        t.find<QLineEdit>("txtDatum(0)")->setText(QString::fromUtf8(c.first));
        t.find<QLineEdit>("txtDatum(1)")->setText(QString::fromUtf8(c.second));
        t.click("cmdBerechnen");
        EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text(), QString::fromUtf8(c.result)) << c.first << " " << c.second;
    }
    t.find<QLineEdit>("txtDatum(0)")->setText(QString(100000, '9'));
    t.click("cmdBerechnen");
    EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text(), "Bei der Berechnung ist ein Fehler aufgetreten.");
    EXPECT_EQ(QString::fromStdString(t.window->engine().Format_Datum(0)), before);
    EXPECT_EQ(t.window->selectedDay(), 3);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(DateDifference, TakesTheSelectedDay) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(2)");
    t.click("cmdDiff(1)");
    EXPECT_EQ(t.find<QLineEdit>("txtDatum(1)")->text(), "3.5.2024");
    EXPECT_EQ(t.find<QPushButton>("cmdDiff(0)")->toolTip(), "ausgewähltes Datum übernehmen");
}

// ---- live display and about panel ----------------------------------------

TEST(LiveDisplay, OnlyTheClockUnlessTickedOnTheDayReport) {
    WindowForTest t;
    t.start();
    const QStringList before = t.reportLines();
    t.now = t.now.addSecs(3600);
    t.window->Timer1_Timer();
    EXPECT_EQ(t.find<QLabel>("lblZeit")->text(), "15:15:02");
    EXPECT_EQ(t.reportLines(), before);

    t.find<QCheckBox>("Check1")->setChecked(true);
    t.window->Timer1_Timer();
    const QStringList live = t.reportLines();
    ASSERT_EQ(live.size(), before.size());
    for (int i = 0; i < live.size(); ++i) {
        const QString label = live[i].section('\t', 0, 0);
        if (label == "Mondphase" || label == "Sonnenhöhe") {
            EXPECT_NE(live[i], before[i]) << label.toStdString();
        } else {
            EXPECT_EQ(live[i], before[i]);
        }
    }
    EXPECT_TRUE(t.valueOf("Mondphase").contains(QRegularExpression(R"(^\d+,\d{5} %, (zu|ab)nehmend$)")));

    t.click("cmdDaten(1)");
    const QStringList calendars = t.reportLines();
    t.now = t.now.addSecs(60);
    t.window->Timer1_Timer();
    EXPECT_EQ(t.reportLines(), calendars);
    EXPECT_EQ(t.find<QLabel>("lblZeit")->text(), "15:16:02");
}

TEST(AboutPanel, VersionAndNotice) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(7)");
    EXPECT_TRUE(t.find<QWidget>("picAbout")->isVisibleTo(t.window.get()));
    EXPECT_EQ(t.find<QLabel>("Label6")->text(), "Version: 1.0.0");
    EXPECT_FALSE(t.find<QLabel>("Label5")->text().isEmpty());
}

} // namespace
