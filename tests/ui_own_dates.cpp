// The own-date dialog, its editor and the import, driven as a user would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ephemeris/calendar.h"
#include "ui/own_date_dialog.h"
#include "ui/own_date_editor.h"
#include "ui/own_date_import.h"
#include "ui/settings_store.h"

namespace od = vespera::own_dates;

namespace {

std::int64_t gregorian(int year, int month, int day) {
    return vespera::day_number_in(vespera::Calendar::Gregorian, year, month, day);
}

struct OwnDatesForTest {
    QTemporaryDir config;
    std::filesystem::path file;

    OwnDatesForTest() {
        qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
        QDir().mkpath(vespera::ui::settings_folder());
        file = std::filesystem::path(vespera::ui::settings_folder().toStdString()) / od::kStoreFileName;
    }
    od::OwnDateStore store() const { return od::OwnDateStore(file, od::program_store_files()); }
    std::string bytes() const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
};

template <class T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

OwnDateEditor* open_editor(OwnDateDialog& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
    return dialog.findChild<OwnDateEditor*>();
}

void retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(OwnDateDialog, ABirthdayTypedByKeyboardIsStoredAndListedWithItsAge) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    OwnDateDialog dialog(store, gregorian(2024, 4, 15));
    QSignalSpy changed(&dialog, &OwnDateDialog::datesChanged);
    dialog.show();
    // With nothing listed, Enter means "Neu …".
    QTest::keyClick(child<QListWidget>(dialog, "lstTermine"), Qt::Key_Return);
    auto* editor = dialog.findChild<OwnDateEditor*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(child<QLineEdit>(*editor, "txtDatum")->text(), "15.04.2024");
    QTest::keyClicks(child<QLineEdit>(*editor, "txtTitel"), "Anna");
    QTest::keyClick(child<QComboBox>(*editor, "cmbArt"), Qt::Key_Home); // Geburtstag
    EXPECT_EQ(child<QComboBox>(*editor, "cmbWiederholung")->currentText(), "jährlich");
    auto* date = child<QLineEdit>(*editor, "txtDatum");
    retype(date, "15.04.1986");
    QTest::keyClick(date, Qt::Key_Return);

    ASSERT_EQ(store.dates().size(), 1u);
    const od::OwnDate& stored = store.dates()[0];
    EXPECT_EQ(stored.title, "Anna");
    EXPECT_EQ(stored.kind, od::Kind::geburtstag);
    EXPECT_EQ(stored.repeat, od::Repeat::yearly);
    EXPECT_EQ(stored.first_day, gregorian(1986, 4, 15));
    EXPECT_FALSE(stored.start_seconds);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(dialog.changed());
    const od::OwnDateStore reread = t.store();
    EXPECT_EQ(reread.dates(), store.dates());
    const std::string file = t.bytes();
    EXPECT_NE(file.find("DTSTART;VALUE=DATE:19860415\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("RRULE:FREQ=YEARLY\r\n"), std::string::npos) << file;
    auto* list = child<QListWidget>(dialog, "lstTermine");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Anna: 38. Geburtstag");
}

TEST(OwnDateDialog, EscapeLeavesTheStoreAsItWas) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    OwnDateDialog dialog(store, gregorian(2024, 5, 3));
    QSignalSpy changed(&dialog, &OwnDateDialog::datesChanged);
    dialog.show();
    auto* editor = open_editor(dialog, "cmdNeu");
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(child<QLineEdit>(*editor, "txtTitel"), "Zahnarzt");
    QTest::keyClick(child<QLineEdit>(*editor, "txtTitel"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(store.dates().empty());
    EXPECT_FALSE(std::filesystem::exists(t.file));
    EXPECT_EQ(changed.count(), 0);
}

TEST(OwnDateDialog, ADamagedFileShowsWhyAndARefusalKeepsWhatWasTyped) {
    OwnDatesForTest t;
    const std::string damaged = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20271301\r\n"
                                "SUMMARY:Anna\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::ofstream(t.file, std::ios::binary) << damaged;
    od::OwnDateStore store = t.store();
    ASSERT_TRUE(store.read_only());

    OwnDateDialog dialog(store, gregorian(2027, 1, 1));
    dialog.show();
    auto* problem = child<QLabel>(dialog, "lblProblem");
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text().toStdString(), store.problem());
    for (const char* button : {"cmdNeu", "cmdBearbeiten", "cmdLoeschen"}) {
        EXPECT_FALSE(child<QPushButton>(dialog, button)->isEnabled()) << button;
    }

    // An editor opened before the file broke meets the same refusal.
    OwnDateEditor editor(store, gregorian(2027, 1, 1), std::nullopt, od::LeapDayRule::february_28);
    editor.show();
    auto* title = child<QLineEdit>(editor, "txtTitel");
    QTest::keyClicks(title, "Ben");
    QTest::keyClick(title, Qt::Key_Return);
    auto* error = child<QLabel>(editor, "lblFehler");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(title->text(), "Ben");
    EXPECT_TRUE(error->isVisible());
    EXPECT_EQ(error->text().toStdString(), store.problem());
    EXPECT_EQ(t.bytes(), damaged);
    QTest::keyClick(title, Qt::Key_A);
    EXPECT_FALSE(error->isVisible());
}

TEST(OwnDateDialog, AnImportedRuleIsShownAndKeptWhenTheTitleChanges) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    const QString calendar = QDir(t.config.path()).filePath("chor.ics");
    std::ofstream(calendar.toStdString(), std::ios::binary)
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\nBEGIN:VEVENT\r\nUID:chor@example.org\r\n"
           "DTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240503\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n"
           "SUMMARY:Chorprobe\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    ASSERT_TRUE(importOwnDatesFrom(calendar, store).startsWith("1 Termin neu übernommen"));
    OwnDateDialog dialog(store, gregorian(2024, 5, 17)); // the third and last week
    dialog.show();
    auto* editor = open_editor(dialog, "cmdBearbeiten");
    ASSERT_NE(editor, nullptr);
    auto* rule = child<QLineEdit>(*editor, "txtRegel");
    EXPECT_TRUE(rule->isVisible());
    EXPECT_TRUE(rule->isReadOnly());
    EXPECT_EQ(rule->text(), "nach Regel: FREQ=WEEKLY;COUNT=3");
    EXPECT_FALSE(child<QComboBox>(*editor, "cmbWiederholung")->isVisible());
    auto* title = child<QLineEdit>(*editor, "txtTitel");
    QTest::keyClick(title, Qt::Key_End); // the title is selected, as on any focus by the keyboard
    QTest::keyClicks(title, " (Alt)");
    QTest::keyClick(title, Qt::Key_Return);
    ASSERT_EQ(store.dates().size(), 1u);
    EXPECT_EQ(store.dates()[0].title, "Chorprobe (Alt)");
    EXPECT_EQ(store.dates()[0].uid, "chor@example.org");
    EXPECT_EQ(store.dates()[0].repeat, od::Repeat::rule);
    EXPECT_EQ(store.dates()[0].rrule, "FREQ=WEEKLY;COUNT=3");
    EXPECT_EQ(child<QListWidget>(dialog, "lstTermine")->item(0)->text(), "Chorprobe (Alt)");
}

TEST(OwnDateDialog, DeletingAsksFirstAndEscapeKeepsTheDate) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    od::OwnDate anna;
    anna.title = "Anna";
    anna.kind = od::Kind::geburtstag;
    anna.first_day = gregorian(1984, 5, 3);
    anna.repeat = od::Repeat::yearly;
    ASSERT_TRUE(store.add(anna).ok);
    OwnDateDialog dialog(store, gregorian(2024, 5, 3));
    QSignalSpy changed(&dialog, &OwnDateDialog::datesChanged);
    dialog.show();
    const auto ask = [&dialog] {
        child<QPushButton>(dialog, "cmdLoeschen")->click();
        return dialog.findChild<QMessageBox*>(QStringLiteral("dlgLoeschen"));
    };
    QMessageBox* box = ask();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "„Anna“ löschen?");
    QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(store.dates().size(), 1u);
    box = ask();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
    EXPECT_TRUE(store.dates().empty());
    EXPECT_EQ(t.store().dates().size(), 0u);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(child<QListWidget>(dialog, "lstTermine")->count(), 0);
}

// What the fields may hold; a refusal names the field, and nothing is stored.
TEST(OwnDateEditor, TypedDatesAreCheckedBeforeTheStoreSeesThem) {
    struct Row {
        int kind; // index in "Art": Geburtstag, Jahrestag, Termin
        const char* date;
        bool year_unknown;
        const char* until;
        const char* time;    // empty: all day
        const char* refusal; // part of the message; empty when stored
    };
    const Row rows[] = {
        {2, "31.02.2023", false, "", "", "Den 31.02.2023 gibt es nicht"},
        {2, "29.02.2023", false, "", "", "gibt es nicht"},
        {2, "1.1.3001", false, "", "", "zwischen 1 und 3000"},
        {0, "15.04.", false, "", "", "TT.MM.JJJJ"},
        {2, "2024-05-03", false, "", "", "TT.MM.JJJJ"},
        {2, "3.5.24", false, "", "", "vierstellig"},
        {2, "03.024", false, "", "", "TT.MM.JJJJ"},
        {2, "03.05.2024", false, "02.05.2024", "", "vor dem Datum"},
        {2, "03.05.2024", false, "", "24:00", "HH:MM"},
        {0, "15.04.", true, "", "", ""},
        {0, "29.02.2000", false, "", "", ""},
        {2, "3.5.2024", false, "5.5.2024", "", ""},
        {2, "3.5.2024", false, "", "9.05", ""},
    };
    for (const Row& row : rows) {
        OwnDatesForTest t;
        od::OwnDateStore store = t.store();
        OwnDateEditor editor(store, gregorian(2024, 5, 3), std::nullopt, od::LeapDayRule::february_28);
        editor.show();
        QTest::keyClicks(child<QLineEdit>(editor, "txtTitel"), "X");
        child<QComboBox>(editor, "cmbArt")->setCurrentIndex(row.kind);
        child<QCheckBox>(editor, "chkJahrUnbekannt")->setChecked(row.year_unknown);
        retype(child<QLineEdit>(editor, "txtDatum"), QString::fromUtf8(row.date));
        QTest::keyClicks(child<QLineEdit>(editor, "txtBis"), QString::fromUtf8(row.until));
        if (*row.time) {
            child<QCheckBox>(editor, "chkGanztaegig")->setChecked(false);
            QTest::keyClicks(child<QLineEdit>(editor, "txtUhrzeit"), QString::fromUtf8(row.time));
        }
        editor.accept();
        const std::string error = child<QLabel>(editor, "lblFehler")->text().toStdString();
        if (*row.refusal) {
            EXPECT_NE(error.find(row.refusal), std::string::npos) << row.date << ": " << error;
            EXPECT_TRUE(store.dates().empty()) << row.date;
            continue;
        }
        ASSERT_EQ(store.dates().size(), 1u) << row.date << ": " << error;
        const od::OwnDate& date = store.dates()[0];
        if (row.year_unknown) {
            EXPECT_FALSE(date.year_known);
            EXPECT_EQ(date.repeat, od::Repeat::yearly);
            EXPECT_EQ(date.first_day, gregorian(od::kYearUnknown, 4, 15));
        }
        if (*row.until) {
            EXPECT_EQ(date.day_count, 3);
        }
        if (*row.time) {
            EXPECT_EQ(date.start_seconds, 9 * 3600 + 5 * 60);
        }
    }
}

TEST(OwnDateEditor, TheTwentyNinthOfFebruaryRuleIsOfferedAndSaved) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    OwnDateDialog dialog(store, gregorian(2023, 3, 1), nullptr, {vespera::ui::read_stored_leap_day_rule(), {}});
    dialog.show();
    auto* editor = open_editor(dialog, "cmdNeu");
    ASSERT_NE(editor, nullptr);
    auto* rule = child<QComboBox>(*editor, "cmb29Februar");
    QTest::keyClicks(child<QLineEdit>(*editor, "txtTitel"), "Lena");
    child<QComboBox>(*editor, "cmbArt")->setCurrentIndex(0);
    retype(child<QLineEdit>(*editor, "txtDatum"), "15.04.2000");
    EXPECT_FALSE(rule->isVisible());
    retype(child<QLineEdit>(*editor, "txtDatum"), "29.02.2000");
    EXPECT_TRUE(rule->isVisible());
    EXPECT_EQ(rule->currentText(), "in Gemeinjahren am 28. Februar");
    QTest::keyClick(rule, Qt::Key_End);
    editor->accept();

    EXPECT_EQ(vespera::ui::read_stored_leap_day_rule(), od::LeapDayRule::march_1);
    EXPECT_EQ(dialog.leapDayRule(), od::LeapDayRule::march_1);
    auto* list = child<QListWidget>(dialog, "lstTermine");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Lena: 23. Geburtstag");
}

TEST(OwnDateSettings, OnlyTheMarchValueMovesTheTwentyNinthOfFebruary) {
    const std::pair<const char*, od::LeapDayRule> rows[] = {
        {"1.3.", od::LeapDayRule::march_1},      {" 1.3. ", od::LeapDayRule::march_1},
        {"28.2.", od::LeapDayRule::february_28}, {"1.3", od::LeapDayRule::february_28},
        {"", od::LeapDayRule::february_28},      {"@Variant(\\0\\0\\0\\x7f)", od::LeapDayRule::february_28},
    };
    for (const auto& [text, expected] : rows) {
        OwnDatesForTest t;
        {
            QSettings settings(vespera::ui::settings_file_path(), QSettings::IniFormat);
            settings.setValue("Settings/29februar", QString::fromUtf8(text));
        }
        EXPECT_EQ(vespera::ui::read_stored_leap_day_rule(), expected) << text;
    }
    OwnDatesForTest t;
    EXPECT_EQ(vespera::ui::read_stored_leap_day_rule(), od::LeapDayRule::february_28);
    vespera::ui::write_stored_place({13.4, 52.5, QStringLiteral("Berlin"), {}, {}}, ',');
    ASSERT_EQ(vespera::ui::write_stored_leap_day_rule(od::LeapDayRule::march_1), "");
    EXPECT_EQ(vespera::ui::read_stored_leap_day_rule(), od::LeapDayRule::march_1);
    EXPECT_EQ(vespera::ui::read_stored_place().city, "Berlin");
}

// Screen readers name every field, and each can be reached from the keyboard.
TEST(OwnDateEditor, EveryFieldHasANameAMnemonicAndTabFocus) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    OwnDateEditor editor(store, gregorian(2024, 5, 3), std::nullopt, od::LeapDayRule::february_28);
    for (const char* name :
         {"txtTitel", "cmbArt", "txtDatum", "txtBis", "txtUhrzeit", "cmbWiederholung", "cmb29Februar", "txtNotiz"}) {
        auto* field = child<QWidget>(editor, name);
        EXPECT_FALSE(field->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(field->focusPolicy() & Qt::TabFocus) << name;
        bool labelled = false;
        for (const QLabel* label : editor.findChildren<QLabel*>()) {
            labelled = labelled || (label->buddy() == field && label->text().contains(u'&'));
        }
        EXPECT_TRUE(labelled) << name;
    }
    for (const char* name : {"chkJahrUnbekannt", "chkGanztaegig"}) {
        EXPECT_TRUE(child<QCheckBox>(editor, name)->text().contains(u'&')) << name;
    }
}

TEST(OwnDateImport, AnAddressBookReportsNewKnownAndUnreadable) {
    OwnDatesForTest t;
    od::OwnDateStore store = t.store();
    const QString cards = QDir(t.config.path()).filePath("kontakte.vcf");
    {
        std::ofstream out(cards.toStdString(), std::ios::binary);
        out << "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:anna\r\nFN:Anna Berg\r\nBDAY:19870415\r\n"
               "ANNIVERSARY:20020601\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Max\r\nBDAY:--0229\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Falsch\r\nBDAY:19850230\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Niemand\r\nEND:VCARD\r\n";
    }
    const QString first = importOwnDatesFrom(cards, store);
    EXPECT_TRUE(first.startsWith("3 Termine neu übernommen, 0 schon vorhanden, 1 abgelehnt.")) << first.toStdString();
    EXPECT_TRUE(first.contains("„Falsch“")) << first.toStdString();
    EXPECT_EQ(store.dates().size(), 3u);
    EXPECT_EQ(t.store().dates().size(), 3u);
    const QString again = importOwnDatesFrom(cards, store);
    EXPECT_TRUE(again.startsWith("0 Termine neu übernommen, 3 schon vorhanden")) << again.toStdString();

    const QString missing = importOwnDatesFrom(QDir(t.config.path()).filePath("fehlt.vcf"), store);
    EXPECT_TRUE(missing.startsWith("Nichts importiert: Die Datei")) << missing.toStdString();
    EXPECT_TRUE(missing.contains("fehlt.vcf")) << missing.toStdString();
}
