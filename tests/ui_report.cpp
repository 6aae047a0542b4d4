#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "window_fixture.h"

namespace {

QStringList labels(const WindowForTest& t) {
    QStringList result;
    for (const InfoPanel::Row& row : t.find<InfoPanel>("picInfo")->rows()) result << row.label;
    return result;
}

TEST(DayReport, RowsInOrderOnAnOrdinaryDay) {
    WindowForTest t;
    t.start();
    const QStringList expected = {
        "Freitag, 3. Mai 2024 · Berlin", "Julianisches Datum", "Tag im Jahr", "Woche im Jahr", "Schaltjahr", "Jahreszeit",
        "Sternzeichen", "Dämmerung", "Nautische Dämmerung", "Astronomische Dämmerung", "Goldene Stunde",
        "Blaue Stunde", "Sonne", "Sonne Kulmination", "Sonne Kulminationshöhe", "Tageslänge", "Sonnenhöhe",
        "Sonnenentfernung", "Mond", "Mondphase", "Mondentfernung", "Planeten", "Merkur", "Venus", "Mars", "Jupiter",
        "Saturn", "Uranus", "Neptun"};
    EXPECT_EQ(labels(t), expected);
    EXPECT_EQ(t.valueOf("Julianisches Datum"), "2460434");
    EXPECT_EQ(t.valueOf("Tag im Jahr"), "124");
    EXPECT_EQ(t.valueOf("Schaltjahr"), "ja");
    EXPECT_EQ(t.valueOf("Sternzeichen"), "Stier");
    EXPECT_TRUE(t.valueOf("Sonne").contains(QRegularExpression(R"(^05:3\d Uhr - 20:3\d Uhr$)"))) << t.valueOf("Sonne").toStdString();
    EXPECT_TRUE(t.valueOf("Mondentfernung").endsWith(" km"));
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(DayReport, FullMoonDayHasOneMoonPhaseRow) {
    WindowForTest t;
    t.start();
    t.window->ZeichneMonat(5, 2024);
    QTest::mouseClick(t.find<MonthView>("picMonat"), Qt::LeftButton, {},
                      t.find<MonthView>("picMonat")->cellRect(23).center());
    EXPECT_EQ(t.window->selectedDay(), 23);
    EXPECT_EQ(labels(t).count("Mondphase"), 1);
    // 13:53 UT is 15:53 CEST; at the report's 14:15 the engine calls the Moon full as well.
    EXPECT_TRUE(t.valueOf("Mondphase").contains(QRegularExpression(R"(^Vollmond um 15:5\d Uhr$)")))
        << t.valueOf("Mondphase").toStdString();
}

TEST(DayReport, BlueMoonAndNewMoonRows) {
    WindowForTest t;
    t.now = berlin_time(QDate(2023, 8, 31), QTime(12, 0));
    t.start();
    EXPECT_TRUE(t.reportLines().filter(QRegularExpression(R"(^Mondphase\tVollmond \(Blue Moon\) um 0[34]:\d\d Uhr(; \d+,\d %, abnehmend \(um \d\d:\d\d Uhr\))?$)")).size() == 1)
        << t.reportLines().join("|").toStdString();
    t.window->ZeichneMonat(8, 2023);
    QTest::mouseClick(t.find<MonthView>("picMonat"), Qt::LeftButton, {},
                      t.find<MonthView>("picMonat")->cellRect(16).center());
    EXPECT_EQ(t.reportLines().filter(QRegularExpression(R"(^Mondphase\tNeumond um \d\d:\d\d Uhr(; \d,\d %, (zu|ab)nehmend \(um \d\d:\d\d Uhr\))?$)")).size(), 1);
}

TEST(DayReport, NegativeYearHeadingAndCaption) {
    WindowForTest t;
    t.start();
    t.window->ZeichneMonat(3, -44);
    EXPECT_EQ(t.reportLines().first(), "Donnerstag, 3. März 45 v. Chr. (astronomisches Jahr -44) · Berlin");
    EXPECT_EQ(t.find<QPushButton>("cmdDaten(3)")->text().remove(u'&'), "Feiertage 45 v. Chr.");
    t.click("cmdDaten(1)");
    EXPECT_EQ(t.reportLines().mid(0, 2),
              QStringList({"3. März 45 v. Chr. (astronomisches Jahr -44) · Berlin", "Unixtime\t-63550521506"}));
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join("\n").toStdString();
}

TEST(DayReport, EclipseRowsOnTheEclipsesOwnDateOnly) {
    struct Case {
        const char* what;
        const char* city;
        int year, month, day;
        QStringList tail; // empty: the report ends with the Moon's distance
    };
    const Case cases[] = {
        // Days before an eclipse show none (New York, the week before 8 April 2024).
        {"week before", "New York (USA)", 2024, 3, 27, {}},
        {"day before", "Berlin", 2022, 10, 24, {}},
        // Total over America while Berlin's Sun had set.
        {"not seen", "Berlin", 2024, 4, 8,
         {"Sonnenfinsternis", "Art\ttotale Sonnenfinsternis", "Sichtbarkeit\tam Ort nicht sichtbar (Sonne"}},
        // Partial in Berlin (CEST).
        {"seen", "Berlin", 2022, 10, 25,
         {"Sonnenfinsternis", "Art\tpartielle Sonnenfinsternis", "Beginn\t11:", "Maximum\t12:", "Ende\t13:",
          "Bedeckung\t4", "Verfinsterte Fl", "Sichtbarkeit\tam Ort sichtbar"}},
        // The total lunar eclipse of 7 September 2025 seen from Berlin.
        {"lunar", "Berlin", 2025, 9, 7, {"Mondfinsternis", "Art\ttotale Mondfinsternis"}},
    };
    for (const Case& c : cases) {
        WindowForTest t;
        t.now = berlin_time(QDate(c.year, c.month, c.day), QTime(12, 0));
        t.start();
        auto* list = t.find<QComboBox>("cmbOrt");
        list->setCurrentIndex(list->findText(QString::fromUtf8(c.city)));
        const QStringList lines = t.reportLines();
        if (c.tail.isEmpty()) {
            // Without an eclipse the Moon's rows end the day's part, before the planets.
            const qsizetype planets = lines.indexOf("Planeten");
            ASSERT_GT(planets, 0) << c.what;
            EXPECT_TRUE(lines[planets - 1].startsWith("Mondentfernung\t")) << c.what << ": " << lines[planets - 1].toStdString();
            continue;
        }
        const int first = lines.indexOf(c.tail.first());
        ASSERT_GE(first, 0) << c.what;
        for (int i = 0; i < c.tail.size(); ++i) {
            ASSERT_LT(first + i, lines.size()) << c.what;
            EXPECT_TRUE(lines[first + i].startsWith(c.tail[i])) << c.what << ": " << lines[first + i].toStdString();
        }
    }
    // Published contacts at Berlin, 25 October 2022: 11:09:50 and 13:19:23 MESZ
    // (weltraum-shop.de, "Partielle Sonnenfinsternis 2022"), magnitude 0.42.
    WindowForTest t;
    t.now = berlin_time(QDate(2022, 10, 25), QTime(12, 0));
    t.start();
    EXPECT_TRUE(t.valueOf("Beginn").contains(QRegularExpression(R"(^11:(09|10|11) Uhr$)"))) << t.valueOf("Beginn").toStdString();
    EXPECT_TRUE(t.valueOf("Ende").contains(QRegularExpression(R"(^13:(18|19|20) Uhr$)"))) << t.valueOf("Ende").toStdString();
    EXPECT_TRUE(t.valueOf("Bedeckung").contains(QRegularExpression(R"(^4[0-5],\d %$)")));
}

TEST(OtherCalendarsReport, EveryCalendarARow) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(1)");
    const QStringList lines = t.reportLines();
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[1], "Unixtime\t1714738502"); // 14:15:02 CEST
    EXPECT_EQ(lines[2], "Gregorianischer Kalender\t3. Mai 2024");
    EXPECT_EQ(lines[3], "Julianischer Kalender\t20. April 2024");
    EXPECT_EQ(lines[4], "Julianischer Kalender (a.u.c.)\t20. April 2777 a.u.c.");
    EXPECT_EQ(lines[5], "Islamischer Kalender\t24. Shawwal 1445");
    EXPECT_EQ(lines[6], "Islamischer Kalender (Umm al-Qura)\t24. Shawwal 1445");
    EXPECT_EQ(lines[7], "Jüdischer Kalender\t25. Nisan 5784 (mangelhaftes Schaltjahr, 383 Tage)");
    EXPECT_EQ(lines[8], "Persischer Kalender\t14. Ordibehescht 1403");
    EXPECT_EQ(lines[9], "Chinesischer Kalender\t25. Tag des 3. Monats im Jahr Jiachen (Jahr des Drachen)");
    EXPECT_TRUE(lines[10].startsWith("Koptischer Kalender\t"));
    EXPECT_TRUE(lines[11].startsWith("Äthiopischer Kalender\t"));
    EXPECT_EQ(lines[12], "Indischer Nationalkalender\t13. Vaishakha 1946");
    EXPECT_EQ(lines[13], "Maya Kalender\t0.0.0.13.0.11.9.11");
    EXPECT_TRUE(lines[14].startsWith("Maya Kalender (Tzolk'in, Haab')\t"));
    EXPECT_TRUE(lines[16].endsWith(")") == false && lines[16].startsWith("Ägyptischer Kalender\t"));
    EXPECT_TRUE(lines[17].endsWith("(Alexander)"));
    EXPECT_TRUE(lines[18].endsWith("(Nabonassar)"));
    EXPECT_TRUE(lines[19].endsWith("(Altpersisch)"));
    EXPECT_TRUE(lines[20].endsWith("(Armenisch)"));
    EXPECT_TRUE(lines[21].startsWith("Anéris\t"));
}

TEST(MonthView, PressOnAnEmptyCellChangesNothing) {
    WindowForTest t;
    t.start();
    const QStringList before = t.reportLines();
    auto* grid = t.find<MonthView>("picMonat");
    // May 2024 starts on a Wednesday: the first two cells are empty, as is the last row.
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, MonthView::kHeadingHeight + 5));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() - 5, grid->height() - 5));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() / 2, 5)); // heading strip
    EXPECT_EQ(t.window->selectedDay(), 3);
    EXPECT_EQ(t.reportLines(), before);
    EXPECT_EQ(grid->model().selected, 3);
}

TEST(MonthView, MarksOfAugust2023) {
    WindowForTest t;
    t.start();
    t.window->ZeichneMonat(8, 2023);
    const MonthModel& m = t.find<MonthView>("picMonat")->model();
    EXPECT_EQ(m.first_weekday, 1); // Tuesday
    EXPECT_EQ(m.days, 31);
    EXPECT_TRUE(m.marks[1].full_moon && !m.marks[1].blue_moon);
    EXPECT_TRUE(m.marks[31].full_moon && m.marks[31].blue_moon);
    EXPECT_TRUE(m.marks[16].new_moon);
    EXPECT_TRUE(m.marks[15].holiday); // Mariä Himmelfahrt
    EXPECT_FALSE(m.marks[14].holiday);
    EXPECT_EQ(m.today, 0);
    EXPECT_EQ(m.weekday_names[0], "Montag");
}

// Red as German wall calendars: Sundays and the region's statutory days;
// other named days a quieter mark; each day's tooltip names the category.
TEST(MonthView, MarksAndTooltipsOfTheRegion) {
    struct Case {
        const char* region;
        int day; // of June 2025
        bool statutory, regional, sunday, holiday;
        const char* tooltip;
    };
    const Case cases[] = {
        {"DE-BY", 19, true, false, false, true,
         "Fronleichnam \u2013 gesetzlicher Feiertag in Bayern\nPfingstferien (Schulferien)\n"
         "03:38 Uhr: Begegnung von Mond und Saturn, 3,0\u00b0 Abstand"},
        {"DE-BE", 19, false, false, false, true,
         "Fronleichnam \u2013 Tag im Kirchenjahr, kein gesetzlicher Feiertag in Berlin\n"
         "03:38 Uhr: Begegnung von Mond und Saturn, 3,0\u00b0 Abstand"},
        {"DE-SN", 19, false, true, false, true, "Fronleichnam \u2013 gesetzlicher Feiertag in Teilen von Sachsen (Fronleichnam ist in Sachsen nur in einigen "
                                         "Gemeinden des sorbischen Siedlungsgebiets gesetzlicher Feiertag; f\u00fcr diesen Ort "
                                         "ist die Gemeinde nicht bekannt.)\n"
                                         "03:38 Uhr: Begegnung von Mond und Saturn, 3,0\u00b0 Abstand"},
        {"DE-BY", 8, false, false, true, true,
         "Pfingstsonntag \u2013 Tag im Kirchenjahr, kein gesetzlicher Feiertag in Bayern"},
        {"DE-BB", 8, true, false, true, true, "Pfingstsonntag \u2013 gesetzlicher Feiertag in Brandenburg"},
        {"DE-BY", 9, true, false, false, true, "Pfingstmontag \u2013 gesetzlicher Feiertag in Bayern"},
        {"", 9, false, false, false, true, "Pfingstmontag \u2013 Tag im Kirchenjahr"},
        // The sky events of the day close the tooltip.
        {"DE-BY", 1, false, false, true, false,
         "05:31 Uhr: Venus in gr\u00f6\u00dfter westlicher Elongation, 45,9\u00b0 (Morgenhimmel)\n"
         "12:41 Uhr: Begegnung von Mond und Mars, 1,3\u00b0 Abstand"},
        {"DE-BY", 2, false, false, false, false, ""},
        {"DE-BY", 10, false, false, false, false, "Pfingstferien (Schulferien)"},
    };
    WindowForTest t;
    t.startPainted();
    for (const Case& c : cases) {
        t.window->chooseHolidayRegion(QString::fromLatin1(c.region));
        t.window->ZeichneMonat(6, 2025);
        const MonthModel& m = t.find<MonthView>("picMonat")->model();
        const MonthMarks& marks = m.marks[static_cast<std::size_t>(c.day)];
        EXPECT_EQ(marks.statutory, c.statutory) << c.region << " " << c.day;
        EXPECT_EQ(marks.regional, c.regional) << c.region << " " << c.day;
        EXPECT_EQ(marks.sunday, c.sunday) << c.region << " " << c.day;
        EXPECT_EQ(marks.holiday, c.holiday) << c.region << " " << c.day;
        EXPECT_EQ(m.tooltips[static_cast<std::size_t>(c.day)].toStdString(), c.tooltip) << c.region << " " << c.day;
    }
    // The day report names the category and the region.
    t.window->chooseHolidayRegion("DE-BY");
    emit t.find<MonthView>("picMonat")->dayPressed(19);
    EXPECT_EQ(t.valueOf("Fronleichnam"), "gesetzlicher Feiertag in Bayern");
    EXPECT_TRUE(t.reportLines().contains("Schulferien\tPfingstferien\tFerien"));
    EXPECT_TRUE(t.find<QWidget>("picLegende")->isVisibleTo(t.window.get()));
}

// Oppositions and eclipses marked; every sky event of the day named in the
// tooltip as the year's lists word it (Mars opposition 16 January 2025,
// total lunar eclipse 14 March, partial solar eclipse 29 March).
TEST(MonthView, SkyEventsMarkedAndNamed) {
    struct Case {
        int month, day; // of 2025
        bool opposition, solar_eclipse, lunar_eclipse;
        const char* tooltip_line; // the start of one line
    };
    const Case cases[] = {
        {1, 16, true, false, false, "03:38 Uhr: Mars in Opposition zur Sonne"},
        {1, 10, false, false, false,
         "06:02 Uhr: Venus in gr\u00f6\u00dfter \u00f6stlicher Elongation, 47,2\u00b0 (Abendhimmel)"},
        {1, 15, false, false, false, nullptr},
        {3, 14, false, false, true, "Totale Mondfinsternis, am Ort "},
        {3, 29, false, true, false, "Partielle Sonnenfinsternis, am Ort sichtbar ("},
    };
    WindowForTest t;
    t.startPainted();
    for (const Case& c : cases) {
        t.window->ZeichneMonat(c.month, 2025);
        const MonthModel& m = t.find<MonthView>("picMonat")->model();
        const std::size_t d = static_cast<std::size_t>(c.day);
        EXPECT_EQ(m.marks[d].opposition, c.opposition) << c.month << "/" << c.day;
        EXPECT_EQ(m.marks[d].solar_eclipse, c.solar_eclipse) << c.month << "/" << c.day;
        EXPECT_EQ(m.marks[d].lunar_eclipse, c.lunar_eclipse) << c.month << "/" << c.day;
        const QStringList lines = m.tooltips[d].split(u'\n');
        if (c.tooltip_line == nullptr) {
            EXPECT_TRUE(m.tooltips[d].isEmpty()) << m.tooltips[d].toStdString();
        } else {
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                return line.startsWith(QString::fromUtf8(c.tooltip_line));
            })) << m.tooltips[d].toStdString();
        }
    }
}

TEST(Navigation, MonthAndYearButtonsAcrossTheYearEnd) {
    WindowForTest t;
    t.start();
    t.window->ZeichneMonat(12, 2023);
    t.click("cmdAendern(1)");
    EXPECT_EQ(t.find<QLabel>("lblMonat")->text(), "Januar");
    EXPECT_EQ(t.find<QLineEdit>("txtJahr")->text(), "2024");
    EXPECT_EQ(t.window->engine().Jahr(), 2024);
    EXPECT_EQ(t.reportLines().first(), "Mittwoch, 3. Januar 2024 · Berlin");
    t.click("cmdAendern(0)");
    EXPECT_EQ(t.find<QLabel>("lblMonat")->text(), "Dezember");
    EXPECT_EQ(t.find<QLineEdit>("txtJahr")->text(), "2023");
    t.click("cmdAendern(3)");
    EXPECT_EQ(t.find<QLineEdit>("txtJahr")->text(), "2024");
    EXPECT_EQ(t.reportLines().first(), "Dienstag, 3. Dezember 2024 · Berlin");
    t.click("cmdAendern(2)");
    t.click("cmdAendern(2)");
    EXPECT_EQ(t.reportLines().first(), "Samstag, 3. Dezember 2022 · Berlin");
    t.click("cmdHeute");
    EXPECT_EQ(t.reportLines().first(), "Freitag, 3. Mai 2024 · Berlin");
    EXPECT_EQ(t.find<MonthView>("picMonat")->model().today, 3);
}

TEST(Navigation, TheSelectedDayStaysInTheShownMonth) {
    WindowForTest t;
    t.now = berlin_time(QDate(2024, 1, 31), QTime(12, 0));
    t.start();
    t.click("cmdAendern(1)"); // 31 January -> February has 29 days
    EXPECT_EQ(t.reportLines().first(), "Donnerstag, 29. Februar 2024 · Berlin");
    EXPECT_EQ(t.window->engine().Format_Datum(0), "29.2.2024");
}

TEST(Navigation, YearBoxAcceptsOnlyYearsOfTheEngine) {
    WindowForTest t;
    t.start();
    auto* year = t.find<QLineEdit>("txtJahr");
    year->setText("1999");
    EXPECT_EQ(t.reportLines().first(), "Montag, 3. Mai 1999 · Berlin");
    for (const char* bad : {"abc", "-", "99999999999", "27969", ""}) {
        year->setText(QString::fromLatin1(bad));
        EXPECT_EQ(t.window->engine().Jahr(), 1999) << bad;
    }
    year->setText("-500");
    EXPECT_EQ(t.reportLines().first(), "Samstag, 3. Mai 501 v. Chr. (astronomisches Jahr -500) · Berlin");
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(Navigation, Keyboard) {
    WindowForTest t;
    t.now = berlin_time(QDate(2023, 12, 31), QTime(12, 0));
    t.start();
    QTest::keyClick(t.window.get(), Qt::Key_Right);
    EXPECT_EQ(t.reportLines().first(), "Montag, 1. Januar 2024 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_Up);
    EXPECT_EQ(t.reportLines().first(), "Montag, 25. Dezember 2023 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_Down);
    QTest::keyClick(t.window.get(), Qt::Key_Left);
    EXPECT_EQ(t.reportLines().first(), "Sonntag, 31. Dezember 2023 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_PageDown);
    EXPECT_EQ(t.reportLines().first(), "Mittwoch, 31. Januar 2024 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_PageDown);
    EXPECT_EQ(t.reportLines().first(), "Donnerstag, 29. Februar 2024 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_PageUp);
    EXPECT_EQ(t.reportLines().first(), "Montag, 29. Januar 2024 · Berlin");
    QTest::keyClick(t.window.get(), Qt::Key_Home);
    EXPECT_EQ(t.reportLines().first(), "Sonntag, 31. Dezember 2023 · Berlin");
}

TEST(ReportPanel, CopiedTextOfAReport) {
    WindowForTest t;
    t.start();
    auto* panel = t.find<InfoPanel>("picInfo");
    panel->copyToClipboard();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Freitag, 3. Mai 2024 · Berlin\nJulianisches Datum\t2460434\nTag im Jahr\t124\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains(QRegularExpression("\nMondentfernung\t[^\n]* km\nPlaneten\n"))) << copied.toStdString();
    EXPECT_TRUE(copied.endsWith("\n"));
    QApplication::clipboard()->clear();
    QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
    QApplication::clipboard()->clear();
    QTest::keyClick(t.window.get(), Qt::Key_C, Qt::ControlModifier); // from the month grid
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
}

TEST(ReportPanel, WheelMovesTheListWithinItsLimits) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(3)");
    auto* panel = t.find<InfoPanel>("picInfo");
    auto* bar = t.find<QScrollBar>("ucScrollbar1");
    EXPECT_TRUE(bar->isVisibleTo(t.window.get()));
    auto* filter = t.window->findChild<QComboBox*>("cmbKategorie");
    filter->setCurrentIndex(filter->findText("alle"));
    const int rows = t.window->engine().Feiertage_Anzahl() + 1 + 3; // and Berlin's bridge days
    const int last = rows - (panel->wholeRows() - 1);
    EXPECT_EQ(bar->maximum(), last);
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(10, 10), panel->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(panel, &event);
    };
    wheel(-120); // not hovered yet: nothing moves
    EXPECT_EQ(t.window->listScrollPosition(), 0);
    QTest::mouseMove(panel, QPoint(20, 20));
    wheel(-120);
    EXPECT_EQ(t.window->listScrollPosition(), 5);
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(t.reportLines()[1], "12.2.2024\tMontag, Rosenmontag\tBrauchtum");
    for (int i = 0; i < 30; ++i) wheel(-120);
    EXPECT_EQ(t.window->listScrollPosition(), last);
    EXPECT_EQ(t.reportLines().size(), panel->wholeRows());
    for (int i = 0; i < 30; ++i) wheel(120);
    EXPECT_EQ(t.window->listScrollPosition(), 0);
    bar->setValue(12);
    EXPECT_EQ(t.window->listScrollPosition(), 12);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panel, &leave);
    wheel(-120);
    EXPECT_EQ(t.window->listScrollPosition(), 12);
}

TEST(ReportPanel, ButtonsShowTheirPanels) {
    WindowForTest t;
    t.start();
    struct Case { const char* button; const char* visible; };
    const Case cases[] = {{"cmdDaten(2)", "picDifferenz"}, {"cmdDaten(7)", "picAbout"}, {"cmdDaten(4)", "picInfo"}};
    for (const Case& c : cases) {
        t.click(c.button);
        for (const char* panel : {"picInfo", "picDifferenz", "picAbout"}) {
            EXPECT_EQ(t.find<QWidget>(panel)->isVisibleTo(t.window.get()), std::string(panel) == c.visible)
                << c.button << " " << panel;
        }
        int pressed = 0;
        for (int i = 0; i < frmKalender::kReportCount; ++i) pressed += t.find<QPushButton>(("cmdDaten(" + std::to_string(i) + ")").c_str())->isChecked();
        EXPECT_EQ(pressed, 1);
    }
}

} // namespace
