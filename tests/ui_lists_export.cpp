#include <gtest/gtest.h>

#include <libical/ical.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <optional>

#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "base/date_math.h"
#include "engine_fixture.h"
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
    // The second full moon of August: the list says it is a Blue Moon.
    EXPECT_EQ(lines.filter(QRegularExpression("^31\\.8\\.2023, Do\tum 03:3\\d Uhr \\(Blue Moon\\)$")).size(), 1)
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
    const char* headings[] = {"Feiertage im Jahr 101 v. Chr. (astronomisches Jahr -100) \u00b7 Berlin",
                              "Vollmonde im Jahr 101 v. Chr. (astronomisches Jahr -100)",
                              "Neumonde im Jahr 101 v. Chr. (astronomisches Jahr -100)",
                              "Jahreszeiten im Jahr 101 v. Chr. (astronomisches Jahr -100)"};
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

// The list shows the region's statutory days first; "alle" gives every named
// day, scrolled through in whole rows down to Silvester; another year starts
// at the top.
TEST(YearLists, HolidayListByCategoryAndInWholeRows) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(3)");
    QStringList lines = t.reportLines();
    EXPECT_EQ(lines[0], "Feiertage im Jahr 2024 \u00b7 Berlin");
    EXPECT_EQ(lines[1], "1.1.2024\tMontag, Neujahr\tgesetzlich");
    EXPECT_EQ(lines[2], "8.3.2024\tFreitag, Internationaler Frauentag\tgesetzlich");
    EXPECT_EQ(lines.size(), 1 + 10);

    auto* filter = t.find<QComboBox>("cmbKategorie");
    EXPECT_TRUE(filter->isVisibleTo(t.window.get()));
    filter->setCurrentIndex(filter->findText("alle"));
    lines = t.reportLines();
    // The 73 named days and Berlin's three more: Frauentag, Weltkindertag, Mariä Empfängnis.
    const int all = 73 + 8 + 3; // Berlin's own rows and its bridge days
    auto* panel = t.find<InfoPanel>("picInfo");
    const int shown = panel->wholeRows() - 1;
    ASSERT_LT(shown, all);
    EXPECT_EQ(lines.size(), 1 + all); // the panel keeps every row; it draws the whole ones
    auto* bar = t.find<QScrollBar>("ucScrollbar1");
    EXPECT_EQ(bar->maximum(), all - shown);
    QStringList seen;
    for (int position = 0; position < bar->maximum(); position += shown) {
        bar->setValue(position);
        seen << t.reportLines().mid(1, shown);
    }
    bar->setValue(bar->maximum());
    EXPECT_EQ(t.reportLines().size(), 1 + shown);
    EXPECT_EQ(t.reportLines().last(), "31.12.2024\tDienstag, Silvester\tBrauchtum");
    seen << t.reportLines().mid(1);
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), all);
    EXPECT_TRUE(lines.contains("1.5.2024\tMittwoch, Tag der Arbeit\tgesetzlich"));
    EXPECT_TRUE(lines.contains("30.5.2024\tDonnerstag, Fronleichnam\tkirchlich"));
    EXPECT_EQ(t.window->engine().Format_Datum(0), "3.5.2024");

    t.click("cmdAendern(3)");
    EXPECT_EQ(t.window->listScrollPosition(), 0);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(t.reportLines()[1], "1.1.2025\tMittwoch, Neujahr\tgesetzlich");
}

// The school holidays of the state: Bayern's of 2025 as published, the note
// for a year without dates, and an imported .ics kept across a restart.
TEST(YearLists, SchoolHolidaysAndTheirImport) {
    QTemporaryDir folder;
    WindowForTest t;
    t.now = berlin_time(QDate(2025, 6, 2), QTime(12, 0));
    t.start();
    t.window->chooseHolidayRegion("DE-BY");
    t.click("cmdDaten(3)");
    auto* filter = t.find<QComboBox>("cmbKategorie");
    filter->setCurrentIndex(filter->findText("Schulferien"));
    EXPECT_EQ(t.reportLines().mid(1), QStringList({
        "Schulferien\tbekannt bis 5.1.2029 (einzelne Ferien bis 9.9.2030)\tFerien",
        "23.12.2024 \u2013 3.1.2025\tWeihnachtsferien\tFerien", "3.3.2025 \u2013 7.3.2025\tWinterferien\tFerien",
        "14.4.2025 \u2013 25.4.2025\tOsterferien\tFerien", "10.6.2025 \u2013 20.6.2025\tPfingstferien\tFerien",
        "1.8.2025 \u2013 15.9.2025\tSommerferien\tFerien", "3.11.2025 \u2013 7.11.2025\tHerbstferien\tFerien",
        "19.11.2025\tBu\u00df- und Bettag\tFerien", "22.12.2025 \u2013 5.1.2026\tWeihnachtsferien\tFerien"}));
    EXPECT_TRUE(t.find<MonthView>("picMonat")->model().marks[10].school_holiday); // 10 June 2025
    EXPECT_FALSE(t.find<MonthView>("picMonat")->model().marks[9].school_holiday);
    // Up to when they are known: in the legend, and for every region in the about panel.
    EXPECT_TRUE(t.find<QWidget>("picLegende")->toolTip().contains("Schulferien (bekannt bis 5.1.2029)"));
    t.click("cmdDaten(7)");
    const QString overview = t.find<QLabel>("lblFerienStand")->text();
    EXPECT_TRUE(overview.contains(QString::fromUtf8("\nÖsterreich: alle nach dem Schulzeitgesetz"))) << overview.toStdString();
    EXPECT_TRUE(overview.contains(QString::fromUtf8("Graubünden keine"))) << overview.toStdString();
    EXPECT_TRUE(overview.contains("Bayern bis 5.1.2029")) << overview.toStdString();
    t.click("cmdDaten(3)");

    t.find<QLineEdit>("txtJahr")->setText("2031");
    EXPECT_EQ(t.reportLines().mid(1), QStringList({"Schulferien\tkeine Ferientermine f\u00fcr 2031 hinterlegt; "
                                                            "bekannt nur bis 9.9.2030\tFerien"}));

    const QString ics = folder.filePath("ferien-2031.ics");
    {
        QFile file(ics);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20310414\r\nDTEND;VALUE=DATE:20310426\r\n"
                   "SUMMARY:Osterferien\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    }
    t.window->setImportChooser([&] { return ics; });
    t.click("cmdFerienImport");
    ASSERT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
    EXPECT_TRUE(t.reportLines().contains("14.4.2031 \u2013 25.4.2031\tOsterferien\tFerien"));
    EXPECT_TRUE(t.reportLines()[1].startsWith("Schulferien\tFerientermine f\u00fcr 2031 nur vom 14.4.2031 bis 25.4.2031"));
    EXPECT_TRUE(QFileInfo(t.config.path() + "/VesperaApp/ferien/DE-BY.ics").isFile());

    // Stored in the settings folder and read back at the next start.
    t.window.reset();
    t.now = berlin_time(QDate(2031, 4, 14), QTime(12, 0));
    t.start();
    EXPECT_EQ(t.window->holidayRegion(), "DE-BY");
    EXPECT_EQ(t.valueOf("Schulferien"), "Osterferien");
    // A file that is no calendar imports nothing and says why.
    t.window->setImportChooser([&] { return ics; });
    QFile(ics).remove();
    { QFile file(ics); ASSERT_TRUE(file.open(QIODevice::WriteOnly)); file.write("Ostern: 14.4.-25.4."); }
    t.click("cmdFerienImport");
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].contains("kein lesbares iCalendar")) << t.messages[0].toStdString();
    EXPECT_EQ(t.valueOf("Schulferien"), "Osterferien");
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
    QString calendar_name;
    QString time_zone;
    bool all_fine = true;
    QStringList summaries;
    QStringList categories;
    QStringList uids;
    QList<qint64> first_days; // Julian Day Numbers of DTSTART, read as Gregorian dates by QDate
    QList<qint64> end_days;
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
        if (name == "X-WR-CALNAME") result.calendar_name = value;
        if (name == "X-WR-TIMEZONE") result.time_zone = value;
    }
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        ++result.events;
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        icalproperty* created = icalcomponent_get_first_property(e, ICAL_CREATED_PROPERTY);
        icalproperty* modified = icalcomponent_get_first_property(e, ICAL_LASTMODIFIED_PROPERTY);
        icalproperty* category = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
        const icaltimetype stamp = icalcomponent_get_dtstamp(e);
        const bool fine = start.is_date && end.is_date && icaltime_compare_date_only(start, end) < 0 &&
                          icalcomponent_get_uid(e) && icalcomponent_get_summary(e) && category &&
                          !icaltime_is_null_time(stamp) && created && modified &&
                          icaltime_compare(icalproperty_get_created(created), stamp) == 0 &&
                          icaltime_compare(icalproperty_get_lastmodified(modified), stamp) == 0;
        if (!fine) result.all_fine = false;
        if (icalcomponent_get_summary(e)) result.summaries << QString::fromUtf8(icalcomponent_get_summary(e));
        if (category) result.categories << QString::fromUtf8(icalproperty_get_categories(category));
        if (icalcomponent_get_uid(e)) result.uids << QString::fromUtf8(icalcomponent_get_uid(e));
        result.first_days << QDate(start.year, start.month, start.day).toJulianDay();
        result.end_days << QDate(end.year, end.month, end.day).toJulianDay();
    }
    icalcomponent_free(calendar);
    return result;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window in Bayern in 2025 whose export dialog answers with `categories`
// and whose question about replacing a file answers `replace`.
struct ExportForTest {
    WindowForTest t;
    QTemporaryDir folder;
    vespera::report::CategorySet categories = vespera::report::kStatutoryDays;
    std::optional<ExportRequest> proposal; // what the dialog was offered
    QString path;                          // empty: take the proposal
    QStringList questions;
    bool replace = true;

    ExportForTest() {
        t.now = berlin_time(QDate(2025, 6, 2), QTime(14, 15, 2));
        t.start();
        t.window->chooseHolidayRegion("DE-BY");
        t.window->setExportFolders({folder.path()});
        t.window->setExportChooser([this](const ExportRequest& offered) -> std::optional<ExportRequest> {
            proposal = offered;
            return ExportRequest{path.isEmpty() ? offered.path : path, categories};
        });
        t.window->setQuestion([this](const QString& text) {
            questions << text;
            return replace;
        });
    }
    QByteArray exported() {
        t.click("cmdExport");
        return read_file(t.window->lastExportPath());
    }
};

TEST(Export, Bayern2025StatutoryThenRegional) {
    ExportForTest e;
    const QByteArray first = e.exported();
    ASSERT_TRUE(e.t.messages.isEmpty()) << e.t.messages.join('\n').toStdString();
    ASSERT_TRUE(e.proposal.has_value());
    EXPECT_EQ(e.proposal->path, e.folder.filePath("Feiertage_2025_DE-BY.ics"));
    EXPECT_EQ(e.proposal->categories, vespera::report::kStatutoryDays);
    EXPECT_EQ(e.t.window->lastExportPath(), e.proposal->path);
    EXPECT_TRUE(e.t.find<QLabel>("lblStatus")->text().contains("Feiertage_2025_DE-BY.ics"));
    EXPECT_TRUE(first.startsWith("BEGIN:VCALENDAR\r\nPRODID:"));
    EXPECT_TRUE(first.endsWith("END:VCALENDAR\r\n"));
    EXPECT_EQ(first.count("\n"), first.count("\r\n"));
    EXPECT_TRUE(first.contains("DTSTAMP:20250602T121502Z\r\n"));
    const ParsedCalendar parsed = parse_with_libical(first);
    EXPECT_TRUE(parsed.all_fine);
    EXPECT_EQ(parsed.calendar_name, QString::fromUtf8("Feiertage 2025 Bayern"));
    EXPECT_EQ(parsed.time_zone, "Europe/Berlin");
    EXPECT_EQ(parsed.summaries,
              QStringList({"Neujahr", QString::fromUtf8("Heilige Drei Könige"), "Karfreitag", "Ostermontag",
                           "Tag der Arbeit", "Himmelfahrt", "Pfingstmontag", "Fronleichnam", "Tag der Deutschen Einheit",
                           "Allerheiligen", "1. Weihnachtstag", "2. Weihnachtstag"}));
    EXPECT_EQ(parsed.categories, QStringList(12, "gesetzlich"));

    // Again with the regional days: Mariä Himmelfahrt is the 13th, marked
    // regional; the file is replaced only after asking, and every UID of the
    // first export comes again.
    e.categories |= vespera::report::category_bit(vespera::report::HolidayCategory::Regional);
    const QByteArray second = e.exported();
    ASSERT_EQ(e.questions.size(), 1);
    EXPECT_TRUE(e.questions[0].contains("Feiertage_2025_DE-BY.ics")) << e.questions[0].toStdString();
    const ParsedCalendar regional = parse_with_libical(second);
    ASSERT_EQ(regional.events, 14); // with Augsburg's day, regional in Bayern
    const int assumption = regional.summaries.indexOf(QString::fromUtf8("Mariä Himmelfahrt"));
    ASSERT_GE(assumption, 0);
    EXPECT_EQ(regional.categories[assumption], "regional");
    for (const QString& uid : parsed.uids) EXPECT_TRUE(regional.uids.contains(uid)) << uid.toStdString();
    EXPECT_EQ(QDir(e.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Feiertage_2025_DE-BY.ics"}));
    EXPECT_EQ(e.t.window->engine().Format_Datum(0), "2.6.2025");
}

// RFC 5545 dates are Gregorian: exports of years before and in the reform
// year read back, through libical and Qt's proleptic Gregorian calendar, to
// the engine's own days (which it counts in the Julian calendar up to
// 4 October 1582).
TEST(Export, DatesBeforeTheReformReadBackToTheSameDays) {
    for (const int year : {1500, 1582}) {
        EngineForTest e;
        e.in_berlin().setRegion("DE-BY");
        e.at(year, 1, 1);
        const vespera::report::HolidayCalendar calendar =
            vespera::report::holiday_calendar(e.cal, vespera::report::kEveryCategory);
        ASSERT_GT(calendar.events.size(), 10u) << year;
        const ParsedCalendar parsed = parse_with_libical(
            QByteArray::fromStdString(vespera::report::ical_document(calendar, "20250602T121502Z")));
        ASSERT_TRUE(parsed.all_fine) << year;
        ASSERT_EQ(parsed.first_days.size(), static_cast<qsizetype>(calendar.events.size())) << year;
        for (std::size_t i = 0; i < calendar.events.size(); ++i) {
            const auto& event = calendar.events[i];
            EXPECT_EQ(parsed.first_days[static_cast<qsizetype>(i)], event.first_day) << year << " " << event.name;
            EXPECT_EQ(parsed.end_days[static_cast<qsizetype>(i)], event.last_day + 1) << year << " " << event.name;
        }
        EXPECT_TRUE(e.faults.empty());
    }
}

// Probes of the target: nothing is written where the user did not mean it,
// nothing is left behind, and the message names the path and what to do.
TEST(Export, NeverThroughALinkNorOverAFileThatAppeared) {
    struct Case {
        const char* what;
        std::function<void(ExportForTest&, const QString& target, const QString& elsewhere)> prepare;
        const char* message; // part of the one message, or nullptr for none
        bool written;
    };
    const Case cases[] = {
        {"dangling symbolic link",
         [](ExportForTest&, const QString& target, const QString& elsewhere) {
             ASSERT_TRUE(QFile::link(elsewhere, target));
         },
         "ist eine symbolische Verknüpfung", false},
        {"file created between the check and the commit",
         [](ExportForTest& e, const QString& target, const QString&) {
             e.t.window->setExportCommitHook([target] {
                 QFile planted(target);
                 ASSERT_TRUE(planted.open(QIODevice::NewOnly));
                 planted.write("fremd");
             });
         },
         "gibt es inzwischen; sie wurde nicht überschrieben", false},
        {"link planted between the check and the commit",
         [](ExportForTest& e, const QString& target, const QString& elsewhere) {
             e.t.window->setExportCommitHook([target, elsewhere] { ASSERT_TRUE(QFile::link(elsewhere, target)); });
         },
         "ist eine symbolische Verknüpfung", false},
        {"existing file kept when the user says no",
         [](ExportForTest& e, const QString& target, const QString&) {
             QFile existing(target);
             ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
             existing.write("fremd");
             e.replace = false;
         },
         nullptr, false},
        {"a folder that is not there",
         [](ExportForTest& e, const QString&, const QString&) { e.path = e.folder.filePath("nicht/da.ics"); },
         "den Ordner", false},
        {"a plain new file", [](ExportForTest&, const QString&, const QString&) {}, nullptr, true},
    };
    for (const Case& c : cases) {
        ExportForTest e;
        QTemporaryDir other;
        const QString target = e.folder.filePath("Feiertage_2025_DE-BY.ics");
        const QString elsewhere = other.filePath("x.ics");
        c.prepare(e, target, elsewhere);
        e.t.click("cmdExport");
        if (c.message == nullptr) {
            EXPECT_TRUE(e.t.messages.isEmpty()) << c.what << ": " << e.t.messages.join('\n').toStdString();
        } else {
            ASSERT_EQ(e.t.messages.size(), 1) << c.what;
            EXPECT_TRUE(e.t.messages[0].contains(QString::fromUtf8(c.message))) << c.what << ": "
                                                                               << e.t.messages[0].toStdString();
            EXPECT_TRUE(e.t.messages[0].contains(e.path.isEmpty() ? target : e.path)) << c.what;
        }
        EXPECT_FALSE(QFileInfo::exists(elsewhere)) << c.what << ": written through a link";
        const QByteArray content = read_file(target);
        EXPECT_EQ(content.startsWith("BEGIN:VCALENDAR"), c.written) << c.what;
        // No temporary file stays behind.
        for (const QString& name : QDir(e.folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            EXPECT_EQ(name, "Feiertage_2025_DE-BY.ics") << c.what;
        }
    }
}

TEST(Export, YearsOutsideTheCalendarFormatAndAFullDisk) {
    ExportForTest e;
    for (const char* year : {"10000", "0", "-44"}) {
        e.t.find<QLineEdit>("txtJahr")->setText(year);
        e.proposal.reset();
        e.t.click("cmdExport");
        EXPECT_FALSE(e.proposal.has_value()) << year << ": the dialog opened";
        ASSERT_FALSE(e.t.messages.isEmpty());
        EXPECT_TRUE(e.t.messages.last().contains("iCalendar kennt nur die Jahre 1 bis 9999")) << year;
    }
    EXPECT_EQ(e.t.messages.size(), 3);
    EXPECT_TRUE(QDir(e.folder.path()).isEmpty(QDir::Files | QDir::Hidden));

    // A disk that fills after 1 KiB: writes beyond the file-size limit fail.
    e.t.find<QLineEdit>("txtJahr")->setText("2025");
    e.categories = vespera::report::kEveryCategory;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &tiny);
    e.t.click("cmdExport");
    setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(e.t.messages.size(), 4);
    EXPECT_TRUE(e.t.messages[3].contains("die Datei wird zu groß")) << e.t.messages[3].toStdString();
    EXPECT_TRUE(QDir(e.folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << QDir(e.folder.path()).entryList(QDir::Files | QDir::Hidden).join(",").toStdString();
}

// RFC 5545: lines of at most 75 octets, folded between characters; TEXT
// escaped; libical reads the names back as they were.
TEST(Export, FoldingEscapingAndUniqueUids) {
    using vespera::report::CalendarEvent;
    const std::string long_name =
        "Gedenktag für die Opfer von Flucht, Vertreibung; Übergänge \"Ökumene\"\nzweite Zeile – äöüÄÖÜß € "
        "und noch eine Zeile mit Umlauten: Größe, Übermaß, Ärger, Öl";
    vespera::report::HolidayCalendar calendar;
    calendar.name = "Feiertage 2025 Baden-Württemberg, Großraum; Süd";
    calendar.events = {{2460677, 2460677, long_name, "Gedenktag"},
                       {2460680, 2460680, "!!!", "Brauchtum"},
                       {2460680, 2460680, "???", "Brauchtum"}};
    const std::string text = vespera::report::ical_document(calendar, "20250602T121502Z");
    ASSERT_FALSE(text.empty());
    std::size_t start = 0;
    int continuations = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        if (line.starts_with(" ")) {
            ++continuations;
            // Never inside a character: no continuation byte right after the blank.
            ASSERT_GT(line.size(), 1u);
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0u, 0x80u) << line;
        }
        start = end + 2;
    }
    EXPECT_GE(continuations, 2);
    const ParsedCalendar parsed = parse_with_libical(QByteArray::fromStdString(text));
    ASSERT_EQ(parsed.events, 3);
    EXPECT_EQ(parsed.summaries[0], QString::fromStdString(long_name));
    EXPECT_EQ(parsed.calendar_name, QString::fromUtf8("Feiertage 2025 Baden-Württemberg, Großraum; Süd"));
    EXPECT_NE(parsed.uids[1], parsed.uids[2]); // names without ASCII letters on one day
    EXPECT_TRUE(parsed.uids[0].startsWith("20250101-gedenktag-fuer-die-opfer")) << parsed.uids[0].toStdString();

    // The last day of 9999 ends without a five-digit DTEND; year 10000 is refused.
    calendar.events = {{vespera::day_number(9999, 12, 31), vespera::day_number(9999, 12, 31), "Silvester", "Brauchtum"}};
    const std::string last = vespera::report::ical_document(calendar, "20250602T121502Z");
    EXPECT_NE(last.find("DTSTART;VALUE=DATE:99991231\r\nDURATION:P1D\r\n"), std::string::npos) << last;
    calendar.events[0].last_day += 1;
    EXPECT_EQ(vespera::report::ical_document(calendar, "20250602T121502Z"), "");
}

// ---- date difference -----------------------------------------------------

TEST(DateDifference, ResultsAndBadInput) {
    struct Case { const char* first; const char* second; const char* result; };
    const Case cases[] = {
        {"3.5.2024", "3.5.2024", "Die Differenz beträgt Null Tage."},
        {"3.5.2024", "24.12.2024", "Die Differenz beträgt 235 Tage."},
        {"24.12.2024", "3.5.2024", "Die Differenz beträgt -235 Tage."},
        {"3.5.2024", "4.5.2024", "Die Differenz beträgt 1 Tag."},
        {"3.5.2024", "2.5.2024", "Die Differenz beträgt -1 Tag."},
        {"3.5.2024", "5.5.2024", "Die Differenz beträgt 2 Tage."},
        {" 1.1.2000 ", "1.1.1970", "Die Differenz beträgt -10957 Tage."},
        {"2024-07-15", "15.7.2024", "Die Differenz beträgt Null Tage."},
        {"-0044-03-13", "15.3.-44", "Die Differenz beträgt Null Tage."}, // ISO counts Gregorian before 1582
        {"4.10.1582", "15.10.1582", "Die Differenz beträgt 1 Tag."},
        {"4.10.1582", "5.10.1582", "Zweites Datum: 5.10.1582 gibt es nicht: auf den 4. folgte der 15. Oktober 1582"},
        {"14.10.1582", "4.10.1582", "Erstes Datum: 14.10.1582 gibt es nicht: auf den 4. folgte der 15. Oktober 1582"},
        {"3.5", "3.5.2024", "Erstes Datum: „3.5“ ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {"3.5.2024", "a.b.c", "Zweites Datum: „a.b.c“ ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {"", "", "Erstes Datum: nichts eingegeben. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {"3.5.2024", "  ", "Zweites Datum: nichts eingegeben. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {"1.1.2024.", "3.5.2024", "Erstes Datum: „1.1.2024.“ ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {"31.2.2024", "3.5.2024", "Erstes Datum: 31.2.2024 gibt es nicht"},
        {"3.5.2024", "2023-02-29", "Zweites Datum: 2023-02-29 gibt es nicht"},
        {"1.13.2024", "3.5.2024", "Erstes Datum: 1.13.2024 gibt es nicht"},
        {"1.1.99999", "3.5.2024", "Erstes Datum: 1.1.99999 liegt außerhalb der Jahre -27968 bis 27968"},
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
        // The sentence first; the span and the working days follow it.
        EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text().section(QLatin1Char('\n'), 0, 0),
                  QString::fromUtf8(c.result))
            << c.first << " " << c.second;
    }
    t.find<QLineEdit>("txtDatum(0)")->setText(QString(100000, '9'));
    t.click("cmdBerechnen");
    EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text(),
              "Erstes Datum: „" + QString(40, '9') + "…“ ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024");
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

// A result stands only beside the dates it was counted from: a date taken
// from the month counts again, a typed one clears it until "Berechnen".
TEST(DateDifference, ResultFollowsTheDates) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(2)");
    const auto result = [&t] { return t.find<QLabel>("lblDatumsDifferenz")->text().split(QLatin1Char('\n')); };
    t.find<QLineEdit>("txtDatum(0)")->setText("24.12.2024");
    t.click("cmdDiff(1)");
    EXPECT_EQ(result().first(), "Die Differenz beträgt -235 Tage.");
    emit t.find<MonthView>("picMonat")->dayPressed(4);
    t.click("cmdDiff(1)");
    EXPECT_EQ(t.find<QLineEdit>("txtDatum(1)")->text(), "4.5.2024");
    EXPECT_EQ(result().first(), "Die Differenz beträgt -234 Tage.");
    t.find<QLineEdit>("txtDatum(0)")->setText("24.12.26");
    EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text(), "");
    t.click("cmdBerechnen");
    EXPECT_EQ(result().value(1), "24.12.26 als 24. Dezember 26 n. Chr. gelesen");
    // The month of the year 27: the date taken says which year it is.
    t.find<QLineEdit>("txtJahr")->setText("27");
    t.click("cmdDiff(0)");
    EXPECT_EQ(result().value(1), "4.5.27 als 4. Mai 27 n. Chr. gelesen");
    // Without a date beside it, a date taken leaves no result.
    t.find<QLineEdit>("txtDatum(1)")->clear();
    t.click("cmdDiff(0)");
    EXPECT_EQ(t.find<QLabel>("lblDatumsDifferenz")->text(), "");
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
    EXPECT_TRUE(t.valueOf("Mondphase").contains(QRegularExpression(R"(^\d+,\d %, (zu|ab)nehmend \(um \d\d:\d\d Uhr\)$)")));

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
