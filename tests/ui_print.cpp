// Print and PDF: the documents as a reader gets them. Poppler's pdfinfo and
// pdftotext read the files back, so the text is real text in the PDF.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>

#include "window_fixture.h"

namespace {

bool have_poppler() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdfinfo").isEmpty() && !QStandardPaths::findExecutable("pdffonts").isEmpty();
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdf_info(const QString& path, const char* field) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    return line.match(run("pdfinfo", {path})).captured(1).trimmed();
}

// The text of one page (or all pages) as pdftotext lays it out.
QString pdf_text(const QString& path, int page = 0) {
    QStringList arguments = {"-layout", "-enc", "UTF-8"};
    if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    return run("pdftotext", arguments << path << "-");
}

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int count_lines(const QString& text, const QString& pattern) {
    return static_cast<int>(text.split('\n').filter(QRegularExpression(pattern)).size());
}

// The first page drawn at 144 dpi and poppler's word boxes on it (in points).
struct RenderedPage {
    QImage image;
    QString boxes;
};

RenderedPage render_first_page(const QString& pdf, const QString& folder) {
    const QString page = folder + "/page";
    run("pdftoppm", {"-png", "-r", "144", "-f", "1", "-l", "1", "-singlefile", pdf, page});
    return {QImage(page + ".png"), run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"})};
}

// How many red pixels the first occurrence of `word` shows; -1 when absent.
int red_pixels_of_word(const RenderedPage& page, const QString& word) {
    const QRegularExpression box(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                "yMax=\"([\\d.]+)\">%1</word>")
                                     .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch at = box.match(page.boxes);
    if (page.image.isNull() || !at.hasMatch()) return -1;
    const double scale = 144.0 / 72.0;
    int red = 0;
    for (int y = static_cast<int>(at.captured(2).toDouble() * scale); y < at.captured(4).toDouble() * scale; ++y) {
        for (int x = static_cast<int>(at.captured(1).toDouble() * scale); x < at.captured(3).toDouble() * scale; ++x) {
            const QColor pixel = page.image.pixelColor(x, y);
            if (pixel.red() > 120 && pixel.green() < 90 && pixel.blue() < 110) ++red;
        }
    }
    return red;
}

// A window whose PDF dialog answers with a file in a temporary folder.
struct PrintingWindow : WindowForTest {
    QTemporaryDir folder;
    QString suggested;
    int print_dialogs = 0;

    frmKalender& startPrinting() {
        start();
        window->setPrintDialogs(
            [this](const QString& proposal) {
                suggested = proposal;
                return folder.filePath("out.pdf");
            },
            [this](QPrinter&) {
                ++print_dialogs;
                return false;
            });
        return *window;
    }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }
    QString status() const { return find<QLabel>("lblStatus")->text(); }
    QString pdf() const { return folder.filePath("out.pdf"); }
};

TEST(Print, MonthOfJuly2025AtMunichOnOneLandscapePage) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo, pdffonts) fehlt";
    PrintingWindow t;
    t.store("ort", QStringLiteral("München"));
    t.now = berlin_time(QDate(2025, 7, 14), QTime(10, 0));
    t.startPrinting();
    t.trigger("actMonatPdf");
    EXPECT_EQ(QFileInfo(t.suggested).fileName(), QStringLiteral("Juli 2025 - München (Bayern).pdf"));
    EXPECT_TRUE(t.status().startsWith("Als PDF gespeichert: ")) << t.status().toStdString();
    EXPECT_EQ(pdf_info(t.pdf(), "Pages"), "1");
    EXPECT_EQ(pdf_info(t.pdf(), "Page size"), "842 x 595 pts (A4)");
    const QString text = pdf_text(t.pdf());
    EXPECT_TRUE(text.contains(QStringLiteral("Juli 2025 · München (Bayern)"))) << text.toStdString();
    // The named Sundays after Trinity, the full moon of 10 July and the new
    // moon of 24 July, each with its time on Munich's clock.
    for (const char* expected : {"3. n. Trinitatis", "6. n. Trinitatis", "Vollmond 22:37 Uhr", "Neumond 21:11 Uhr"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
    const QString fonts = run("pdffonts", {t.pdf()});
    EXPECT_TRUE(fonts.contains("DejaVuSans")) << fonts.toStdString();
    EXPECT_EQ(count_lines(fonts, "DejaVu.* no +(yes|no) +(yes|no) +\\d+ +\\d+$"), 0) << "not embedded:\n" << fonts.toStdString();
}

TEST(Print, SunTableOfALeapYearOnFourPortraitPagesOneRowPerDay) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils fehlt";
    PrintingWindow t;
    t.startPrinting();
    t.trigger("actSonnePdf");
    ASSERT_EQ(pdf_info(t.pdf(), "Pages"), "4") << t.status().toStdString();
    EXPECT_EQ(pdf_info(t.pdf(), "Page size"), "595 x 842 pts (A4)");
    // Quarters of 2024: 91, 91, 92 and 92 days.
    const int expected[4] = {91, 91, 92, 92};
    int days = 0;
    for (int page = 1; page <= 4; ++page) {
        const QString text = pdf_text(t.pdf(), page);
        EXPECT_TRUE(text.contains(QStringLiteral("Sonne und Mond 2024 · Berlin"))) << page;
        const int rows = count_lines(text, "^\\s*(Mo|Di|Mi|Do|Fr|Sa|So) \\d{1,2}\\.\\d{1,2}\\.\\s");
        EXPECT_EQ(rows, expected[page - 1]) << "page " << page << "\n" << text.toStdString();
        days += rows;
    }
    EXPECT_EQ(days, 366);
    EXPECT_TRUE(pdf_text(t.pdf(), 4).contains(QRegularExpression("Di 31\\.12\\.\\s+08:1\\d\\s+16:0\\d")));
}

TEST(Print, BirthdayCalendarOfTheYearOnOnePage) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils fehlt";
    PrintingWindow t;
    t.storeOwnDates("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
               "BEGIN:VEVENT\r\nUID:anna@test\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:19840503\r\n"
               "RRULE:FREQ=YEARLY\r\nSUMMARY:Anna\r\nCATEGORIES:Geburtstag\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:zahn@test\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240503\r\n"
               "SUMMARY:Zahnarzt\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    t.startPrinting();
    t.trigger("actGeburtstagePdf");
    ASSERT_EQ(pdf_info(t.pdf(), "Pages"), "1") << t.status().toStdString();
    const QString text = pdf_text(t.pdf());
    EXPECT_TRUE(text.contains(QStringLiteral("Geburtstagskalender 2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("3\\.\\s+Anna \\(40\\)"))) << text.toStdString();
    // An appointment is no birthday.
    EXPECT_FALSE(text.contains(QStringLiteral("Zahnarzt"))) << text.toStdString();
}

TEST(Print, HolidayListRunsOverPagesUnderItsHeading) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils fehlt";
    PrintingWindow t;
    t.startPrinting();
    t.click("cmdDaten(3)");
    // Every named day: the statutory ones alone fit one page.
    auto* filter = t.find<QComboBox>("cmbKategorie");
    filter->setCurrentIndex(filter->findText(QStringLiteral("alle")));
    t.trigger("actListePdf");
    const int pages = pdf_info(t.pdf(), "Pages").toInt();
    ASSERT_GE(pages, 2) << t.status().toStdString();
    EXPECT_EQ(pdf_info(t.pdf(), "Page size"), "595 x 842 pts (A4)");
    int rows = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdf_text(t.pdf(), page);
        EXPECT_TRUE(text.contains("Feiertage im Jahr 2024")) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Seite %1 von %2").arg(page).arg(pages))) << page;
        rows += count_lines(text, "^\\s*\\d{1,2}\\.\\d{1,2}\\.2024\\s");
    }
    // The whole list, not the rows of the window's scroll position: the 73
    // described days, Berlin's eight own rows and its three bridge days.
    EXPECT_EQ(rows, 84);
}

// Red as on screen: Sundays and Bavaria's statutory days, not every named
// day. 8 December (Mariä Empfängnis) is no statutory holiday in Bavaria
// (FTG Art. 1), nor are Heiligabend, Silvester and the solstice.
TEST(Print, MonthOfDecember2026AtMunichRedOnlyForSundaysAndStatutoryDays) {
    if (!have_poppler() || QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "poppler-utils fehlt";
    PrintingWindow t;
    t.store("ort", QStringLiteral("München"));
    t.now = berlin_time(QDate(2026, 12, 10), QTime(10, 0));
    t.startPrinting();
    t.trigger("actMonatPdf");
    ASSERT_EQ(pdf_info(t.pdf(), "Pages"), "1") << t.status().toStdString();
    const RenderedPage page = render_first_page(t.pdf(), t.folder.path());
    struct Day {
        const char* number;
        bool red;
    };
    for (const Day day : {Day{"25", true}, Day{"26", true}, Day{"27", true}, Day{"6", true}, Day{"24", false},
                          Day{"31", false}, Day{"8", false}, Day{"21", false}, Day{"23", false}}) {
        const int red = red_pixels_of_word(page, QString::fromLatin1(day.number));
        ASSERT_GE(red, 0) << day.number;
        EXPECT_EQ(red > 20, day.red) << day.number << ": " << red << " red pixels";
    }
    const QString text = pdf_text(t.pdf());
    // ISO weeks 49 to 53 (2026 ends on a Thursday), the Bavarian Christmas
    // holidays from 24 December (KMK, Ferientermine 2026/27), a quarter
    // (USNO: 17 December 2026, 05:43 UT) and the legend.
    EXPECT_TRUE(text.contains(QRegularExpression("KW\\s+Montag"))) << text.toStdString();
    for (int week = 49; week <= 53; ++week) {
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("(^|\\n)\\s*%1\\s").arg(week)))) << week;
    }
    for (const char* expected : {"Weihnachtsferien", "Erstes Viertel 06:43", "Sonntag, gesetzlicher Feiertag",
                                 "anderer Gedenk- oder Festtag", "Schulferien", "Erstes/Letztes Viertel",
                                 "Kalenderwoche (ISO)"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
}

// On paper the filter beside the list is gone: the page names it, and each
// row its category.
TEST(Print, HolidayListNamesItsFilterAndEachRowsCategory) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils fehlt";
    PrintingWindow t;
    t.store("ort", QStringLiteral("München"));
    t.startPrinting();
    t.click("cmdDaten(3)");
    auto* filter = t.find<QComboBox>("cmbKategorie");
    filter->setCurrentIndex(filter->findText(QStringLiteral("alle")));
    t.trigger("actListePdf");
    const QString text = pdf_text(t.pdf(), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Angezeigt: alle · Region: Bayern (DE-BY)"))) << text.toStdString();
    const QString all = pdf_text(t.pdf());
    // Heiligabend is no holiday by law; Buß- und Bettag frees Bavaria's
    // pupils only (Bavarian FTG Art. 4 Nr. 3).
    for (const char* row : {"25\\.12\\.2024\\s+Mittwoch, 1\\. Weihnachtstag\\s+gesetzlich\\n",
                            "24\\.12\\.2024\\s+Dienstag, Heiligabend\\s+kirchlich\\n",
                            "20\\.11\\.2024\\s+Mittwoch, Buß-und Bettag\\s+schulfrei\\n"}) {
        EXPECT_TRUE(all.contains(QRegularExpression(QString::fromUtf8(row)))) << row << "\n" << all.toStdString();
    }
}

TEST(Print, FailedWriteNamesThePathAndLeavesNoFile) {
    PrintingWindow t;
    t.startPrinting();
    const QString path = t.folder.filePath("fehlt/monat.pdf");
    t.window->setPrintDialogs([&](const QString&) { return path; }, {});
    t.trigger("actMonatPdf");
    EXPECT_EQ(t.status(), QStringLiteral("Die PDF-Datei „%1“ ließ sich nicht speichern: den Ordner gibt es nicht.")
                              .arg(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(QDir(t.folder.path()).isEmpty());
    EXPECT_TRUE(t.messages.isEmpty());
}

// A full disk keeps the PDF that was there and says so; a symbolic link at
// the name is refused, and the file it names keeps its text.
TEST(Print, AFullDiskOrALinkLeavesTheOldFiles) {
    PrintingWindow t;
    t.startPrinting();
    t.trigger("actMonatPdf");
    const QByteArray first = read_bytes(t.pdf());
    ASSERT_TRUE(first.startsWith("%PDF-")) << t.status().toStdString();
    vespera::WriteSeams full;
    full.write_error = [](std::size_t) { return ENOSPC; };
    t.window->setFileWriteSeams(full);
    t.trigger("actMonatPdf");
    EXPECT_EQ(t.status(), QStringLiteral("Die PDF-Datei \u201e%1\u201c lie\u00df sich nicht speichern: kein Platz auf dem "
                                         "Datentr\u00e4ger.")
                              .arg(QDir::toNativeSeparators(t.pdf())));
    EXPECT_EQ(read_bytes(t.pdf()), first);
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"out.pdf"}));

    t.window->setFileWriteSeams({});
    const QString notes = t.folder.filePath("notes.txt");
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Notizen");
    }
    const QString link = t.folder.filePath("link.pdf");
    ASSERT_TRUE(QFile::link(notes, link));
    t.window->setPrintDialogs([&](const QString&) { return link; }, {});
    t.trigger("actMonatPdf");
    EXPECT_TRUE(t.status().contains("symbolische Verkn\u00fcpfung")) << t.status().toStdString();
    EXPECT_EQ(read_bytes(notes), "Notizen");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(Print, CancelledDialogsChangeNothingAndPrintingToAFileWorks) {
    PrintingWindow t;
    t.startPrinting();
    const double jd = t.window->engine().JD();
    t.trigger("actMonatDrucken");
    EXPECT_EQ(t.print_dialogs, 1);
    t.window->setPrintDialogs([](const QString&) { return QString(); }, {});
    t.trigger("actMonatPdf");
    EXPECT_EQ(t.status(), "");
    EXPECT_TRUE(QDir(t.folder.path()).isEmpty());
    EXPECT_EQ(t.window->engine().JD(), jd);

    // The about view has no report: its print entry asks nothing.
    t.click("cmdDaten(7)");
    bool asked = false;
    t.window->setPrintDialogs({}, [&](QPrinter&) { return asked = true; });
    t.trigger("actListeDrucken");
    EXPECT_FALSE(asked);

    // A print dialog that chose "print to file", without any printer.
    t.window->setPrintDialogs({}, [&](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(t.pdf());
        return true;
    });
    t.trigger("actMonatDrucken");
    EXPECT_EQ(t.status(), "Gedruckt: Mai 2024 · Berlin (1 Seite)");
    EXPECT_TRUE(QFileInfo(t.pdf()).size() > 0);
    EXPECT_TRUE(t.messages.isEmpty());
}

// The print dialog accepted on a machine without a printer (no CUPS): a
// German message, no crash, no wait.
TEST(Print, WithoutAPrinterSaysSo) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer; nothing is sent to it";
    PrintingWindow t;
    t.startPrinting();
    t.window->setPrintDialogs({}, [](QPrinter&) { return true; });
    t.trigger("actMonatDrucken");
    EXPECT_EQ(t.status(), QStringLiteral("Drucken ging nicht: kein Drucker eingerichtet. „Als PDF speichern …“ geht immer."));
    EXPECT_TRUE(t.messages.isEmpty());
}

} // namespace
