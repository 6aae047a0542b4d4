// The window and vespera-cli read the same report data: what Ctrl+C copies
// is what the command line writes, and both export the same iCalendar file.
// Also: Ctrl+C copies the visible view from wherever the focus is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "cli/file_output.h"
#include "cli/run.h"
#include "report/holiday_categories.h"
#include "window_fixture.h"

namespace {

vespera::cli::Outcome run_cli(const QDateTime& now, std::vector<std::string> args) {
    vespera::cli::Environment environment;
    environment.now_unix_seconds = now.toSecsSinceEpoch();
    environment.write_file = [](const std::string& path, std::string_view content, bool replace) {
        return vespera::cli::write_new_file(path, content, replace);
    };
    return vespera::cli::run_cli(args, environment);
}

QString copied_from_window(WindowForTest& t) {
    QApplication::clipboard()->clear();
    QTest::keyClick(t.window.get(), Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
}

// Splits one CSV line (RFC 4180 quoting) into its fields.
QStringList csv_fields(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.last() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

TEST(WindowAndCli, DayReportOf8April2024InBerlinIsTheCopiedText) {
    WindowForTest t;
    t.now = berlin_time(QDate(2024, 4, 8), QTime(14, 15, 2));
    t.start();
    const QString copied = copied_from_window(t);
    ASSERT_TRUE(copied.startsWith(QString::fromUtf8("Montag, 8. April 2024 \u00b7 Berlin\nJulianisches Datum\t2460409\n")))
        << copied.toStdString();

    const vespera::cli::Outcome text = run_cli(t.now, {"tag", "8.4.2024"});
    ASSERT_EQ(text.exit_code, 0);
    EXPECT_EQ(QString::fromStdString(text.out), copied);

    // JSON: a JSON parser reads it, and its rows are the copied lines.
    const vespera::cli::Outcome json = run_cli(t.now, {"tag", "8.4.2024", "--format", "json"});
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(document.isObject());
    QStringList from_json{document["titel"].toString()};
    EXPECT_EQ(document["datum"].toString(), "2024-04-08");
    for (const QJsonValue row : document["zeilen"].toArray()) {
        const bool heading = row["art"].toString() == "ueberschrift";
        from_json << (heading ? row["bezeichnung"].toString() : row["bezeichnung"].toString() + '\t' + row["wert"].toString());
    }
    EXPECT_EQ(from_json.join('\n') + '\n', copied);

    // CSV: after the header, one row per copied line; the typed values' columns follow the text's.
    const vespera::cli::Outcome csv = run_cli(t.now, {"tag", "8.4.2024", "--format", "csv"});
    QStringList rows = QString::fromStdString(csv.out).split('\n', Qt::SkipEmptyParts);
    const QStringList header = csv_fields(rows.takeFirst());
    ASSERT_GE(header.size(), 4);
    ASSERT_EQ(header.mid(0, 4).join(','), "art,bezeichnung,wert,datum");
    QStringList from_csv;
    for (const QString& row : rows) {
        const QStringList fields = csv_fields(row);
        ASSERT_EQ(fields.size(), header.size()) << row.toStdString();
        from_csv << (fields[0] == "ueberschrift" ? fields[1] : fields[1] + '\t' + fields[2]);
    }
    EXPECT_EQ(from_csv.join('\n') + '\n', copied);
}

TEST(WindowAndCli, OtherCalendarsAndYearListsAgree) {
    WindowForTest t;
    t.now = berlin_time(QDate(2024, 4, 8), QTime(14, 15, 2));
    t.start();
    t.click("cmdDaten(1)");
    EXPECT_EQ(QString::fromStdString(run_cli(t.now, {"kalender", "8.4.2024"}).out), copied_from_window(t));
    t.click("cmdDaten(6)");
    EXPECT_EQ(QString::fromStdString(run_cli(t.now, {"liste", "jahreszeiten", "2024"}).out), copied_from_window(t));
    t.click("cmdDaten(4)");
    EXPECT_EQ(QString::fromStdString(run_cli(t.now, {"liste", "vollmonde", "2024"}).out), copied_from_window(t));
}

// The iCalendar stamp is the moment of the export; every other byte agrees.
QByteArray without_stamps(QByteArray text) {
    static const QRegularExpression kStamp(QStringLiteral("(CREATED|LAST-MODIFIED|DTSTAMP):\\d{8}T\\d{6}Z"));
    return QString::fromUtf8(text).replace(kStamp, QStringLiteral("\\1:STAMP")).toUtf8();
}

// The same choices give the same bytes: the place's region or the one
// chosen beside it, and the categories of the dialog or of --kategorie.
TEST(WindowAndCli, IcalOf2025IsTheWindowsExport) {
    struct Case {
        const char* window_region; // empty: Berlin's own
        vespera::report::CategorySet categories;
        std::vector<std::string> options;
        int events;
    };
    using vespera::report::HolidayCategory;
    using vespera::report::category_bit;
    const Case cases[] = {
        {"", vespera::report::kStatutoryDays, {}, 11},
        {"DE-BY", vespera::report::kStatutoryDays, {"--region", "DE-BY"}, 12},
        {"DE-BY",
         static_cast<vespera::report::CategorySet>(category_bit(HolidayCategory::Gesetzlich) |
                                                   category_bit(HolidayCategory::Regional) |
                                                   category_bit(HolidayCategory::Ferien)),
         {"--region", "DE-BY", "--kategorie", "gesetzlich,regional,Ferien"}, 14 + 8}, // Augsburg's day is regional
        // Berlin's own rows (five of them observances), its bridge days and the school holidays.
        {"", vespera::report::kEveryCategory, {"--kategorie", "alle,Ferien"}, 73 + 9 + 3 + 8},
    };
    for (const Case& c : cases) {
        WindowForTest t;
        QTemporaryDir folder;
        t.start();
        if (*c.window_region) t.window->chooseHolidayRegion(c.window_region);
        t.window->setExportFolders({folder.path()});
        t.window->setExportChooser([&](const ExportRequest& offered) -> std::optional<ExportRequest> {
            return ExportRequest{offered.path, c.categories};
        });
        t.find<QLineEdit>("txtJahr")->setText("2025");
        t.click("cmdExport");
        ASSERT_TRUE(t.messages.isEmpty()) << t.messages.join('\n').toStdString();
        QFile exported(t.window->lastExportPath());
        ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
        const QByteArray window_file = exported.readAll();

        const QString path = folder.filePath("f.ics");
        std::vector<std::string> args = {"ical", "2025", "-o", path.toStdString()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const vespera::cli::Outcome cli = run_cli(t.now.addSecs(4321), args);
        ASSERT_EQ(cli.exit_code, 0) << cli.err;
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray cli_file = written.readAll();
        EXPECT_NE(cli_file, window_file); // the stamps differ by 4321 seconds
        EXPECT_EQ(without_stamps(cli_file), without_stamps(window_file)) << c.window_region;
        EXPECT_EQ(window_file.count("BEGIN:VEVENT"), c.events) << c.window_region;
    }
}

TEST(CopyEverywhere, DateDifferenceAndAboutCopyWhatTheyShow) {
    WindowForTest t;
    t.start();
    t.click("cmdDaten(2)");
    // Nothing computed yet: the clipboard keeps what it had.
    QApplication::clipboard()->setText("vorher");
    QTest::keyClick(t.find<QLineEdit>("txtDatum(0)"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "vorher");

    t.find<QLineEdit>("txtDatum(0)")->setText("3.5.2024");
    t.find<QLineEdit>("txtDatum(1)")->setText("24.12.2024");
    t.click("cmdBerechnen");
    QTest::keyClick(t.find<QPushButton>("cmdBerechnen"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0),
              QString::fromUtf8("Die Differenz betr\u00e4gt 235 Tage."));

    // A date box with a selection copies the selection, as text boxes do.
    QLineEdit* box = t.find<QLineEdit>("txtDatum(1)");
    box->setFocus();
    box->setSelection(0, 5);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "24.12");

    t.click("cmdDaten(7)");
    QTest::keyClick(t.find<QPushButton>("cmdDaten(7)"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              t.find<QLabel>("Label6")->text() + '\n' + t.find<QLabel>("Label5")->text());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Version: 1.0.0\n"));
}

TEST(CopyEverywhere, TheReportFromTheCityBoxAndTheYearField) {
    WindowForTest t;
    t.start();
    for (const char* control : {"cmbOrt", "txtJahr", "cmdHeute", "cmdDaten(0)"}) {
        QApplication::clipboard()->clear();
        QWidget* widget = t.find<QWidget>(control);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QString::fromUtf8("Freitag, 3. Mai 2024 \u00b7 Berlin\n")))
            << control << ": " << QApplication::clipboard()->text().toStdString();
    }
}

} // namespace
