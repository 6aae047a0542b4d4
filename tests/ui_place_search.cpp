// The city box: search as you type, picks that take the whole place, keys
// that never change the place unasked, and a place entered by hand.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "ui/place_box.h"
#include "ui/place_dialog.h"
#include "window_fixture.h"

namespace {

PlaceBox* box_of(const WindowForTest& t) { return t.find<PlaceBox>("cmbOrt"); }

// Keys go where Qt delivers them: to the suggestions' popup while it is open.
QWidget* key_target(PlaceBox* box) {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : box;
}

void press(PlaceBox* box, Qt::Key key) { QTest::keyClick(key_target(box), key); }

// The user's focus: the window active, the box holding the keyboard.
void focus(PlaceBox* box) {
    QApplication::setActiveWindow(box->window());
    box->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(box->hasFocus());
}

// Marks the box's text and types over it, as after a click into the box.
void type(PlaceBox* box, const QString& text) {
    focus(box);
    box->lineEdit()->selectAll();
    for (const QChar c : text) {
        // QTest's key clicks know ASCII only: "ö" is sent as its text.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(key_target(box), &press);
    }
}

QStringList shown_suggestions(PlaceBox* box) {
    QStringList rows;
    QAbstractItemModel* model = box->suggestionView()->model();
    for (int row = 0; row < model->rowCount(); ++row) rows << model->index(row, 0).data().toString();
    return rows;
}

TEST(PlaceSearchInWindow, TypingFindsTownsWorldwideWithTellingLabels) {
    WindowForTest t;
    t.start();
    PlaceBox* box = box_of(t);
    struct Case { const char* typed; const char* first; const char* second; };
    const Case cases[] = {
        {"Landshut", "Landshut, Bayern", nullptr},
        {"Görlitz", "Görlitz, Sachsen", nullptr},
        {"goerlitz", "Görlitz, Sachsen", nullptr},
        {"Innsbruck", "Innsbruck, Tirol", nullptr},
        {"Zermatt", "Zermatt, Wallis", nullptr},
        {"Sydney", "Sydney, Australien", nullptr},
        {"Tokyo", "Tokio, Japan", nullptr},
        {"Kapstadt", "Kapstadt (SA)", nullptr},
        {"muenchen", "München, Bayern", nullptr},
        // Typos: one letter missing, a trailing blank, a transcription.
        {"Muenchn", "München, Bayern", nullptr},
        {"Muenchen ", "München, Bayern", nullptr},
        {"Munchen", "München, Bayern", nullptr},
        {"Frankfurt", "Frankfurt/Main, Hessen", "Frankfurt/Oder, Brandenburg"},
        // Under their German names, wherever the name typed came from.
        {"Geneva", "Geneva, Vereinigte Staaten", "Genf, Schweiz"},
        {"Bolzano", "Bozen, Südtirol", nullptr},
        {"Vaduz", "Vaduz, Liechtenstein", nullptr},
    };
    for (const Case& c : cases) {
        type(box, QString::fromUtf8(c.typed));
        ASSERT_TRUE(box->suggestionView()->isVisible()) << c.typed;
        const QStringList rows = shown_suggestions(box);
        ASSERT_GE(rows.size(), 2) << c.typed;
        EXPECT_EQ(rows[0], QString::fromUtf8(c.first)) << c.typed;
        if (c.second) {
            EXPECT_EQ(rows[1], QString::fromUtf8(c.second)) << c.typed;
        }
        EXPECT_EQ(rows.back(), PlaceBox::customPlaceText()) << c.typed;
        press(box, Qt::Key_Escape);
    }
    // Nothing was chosen, so nothing was stored.
    EXPECT_EQ(t.window->placeName(), "Berlin");
    EXPECT_FALSE(QFile::exists(t.settingsPath()));
}

TEST(PlaceSearchInWindow, EnterTakesTheWholePlaceAndARestartKeepsIt) {
    WindowForTest t;
    t.start();
    PlaceBox* box = box_of(t);
    type(box, "Innsbruck");
    press(box, Qt::Key_Return);
    frmKalender& w = *t.window;
    EXPECT_EQ(w.placeName(), "Innsbruck");
    EXPECT_EQ(w.placeRegion(), "AT-7");
    EXPECT_EQ(w.placeZone(), "Europe/Vienna");
    EXPECT_EQ(w.engine().Zeitzone(), "Europe/Vienna");
    EXPECT_NEAR(w.engine().Latitude(), 47.26, 0.02);
    EXPECT_NEAR(w.engine().Longitude(), 11.39, 0.02);
    EXPECT_EQ(box->currentText(), "Innsbruck");
    EXPECT_FALSE(box->suggestionView()->isVisible());
    {
        QSettings stored(t.settingsPath(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("Settings/ort").toString(), "Innsbruck");
        EXPECT_EQ(stored.value("Settings/zone").toString(), "Europe/Vienna");
        EXPECT_EQ(stored.value("Settings/region").toString(), "AT-7");
        EXPECT_TRUE(stored.value("Settings/lat").toString().startsWith("47,2"));
    }
    t.window.reset();
    frmKalender& again = t.start();
    EXPECT_EQ(again.placeName(), "Innsbruck");
    EXPECT_EQ(again.placeRegion(), "AT-7");
    EXPECT_EQ(again.engine().Zeitzone(), "Europe/Vienna");
    EXPECT_NEAR(again.engine().Latitude(), 47.26, 0.02);
    EXPECT_EQ(box_of(t)->currentText(), "Innsbruck");
    EXPECT_TRUE(t.find<QLabel>("lblStatus")->text().isEmpty());

    // A built-in city found by the search is the list's entry.
    type(box_of(t), "Kapstadt");
    press(box_of(t), Qt::Key_Return);
    EXPECT_EQ(again.placeName(), "Kapstadt (SA)");
    EXPECT_EQ(box_of(t)->currentIndex(), 100);
    EXPECT_EQ(again.placeRegion(), "");
}

TEST(PlaceSearchInWindow, ArrowKeysAndTheWheelNeverChangeThePlace) {
    WindowForTest t;
    t.start();
    PlaceBox* box = box_of(t);
    // The closed box: arrows open the list, they do not step through it.
    focus(box);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown}) {
        QTest::keyClick(box, key);
        box->hidePopup();
        EXPECT_EQ(t.window->placeName(), "Berlin");
        EXPECT_EQ(box->currentText(), "Berlin");
    }
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(t.window->placeName(), "Berlin");

    // Within the suggestions the arrows move the mark, Esc restores the place.
    type(box, "Frankfurt");
    press(box, Qt::Key_Down);
    press(box, Qt::Key_Down);
    EXPECT_EQ(box->suggestionView()->currentIndex().row(), 2);
    EXPECT_EQ(t.window->placeName(), "Berlin");
    EXPECT_EQ(box->currentText(), "Frankfurt");
    press(box, Qt::Key_Escape);
    EXPECT_EQ(box->currentText(), "Berlin");
    EXPECT_EQ(t.window->placeName(), "Berlin");
    EXPECT_FALSE(QFile::exists(t.settingsPath()));

    // Enter takes the marked suggestion.
    type(box, "Frankfurt");
    press(box, Qt::Key_Down);
    press(box, Qt::Key_Return);
    EXPECT_EQ(t.window->placeName(), "Frankfurt/Oder");
}

// Whatever the keys, once Enter is pressed the box names the place the day
// report is for. Up on the first row used to mark no row, and Enter then
// took nothing while the box kept the typed name.
TEST(PlaceSearchInWindow, AfterEnterTheBoxAndTheReportNameOnePlace) {
    WindowForTest t;
    t.start();
    PlaceBox* box = box_of(t);
    type(box, "Wien");
    press(box, Qt::Key_Return);
    ASSERT_EQ(t.window->placeName(), "Wien");
    struct Case { const char* typed; std::vector<Qt::Key> keys; const char* place; bool list_closed; };
    const Case cases[] = {
        {"Vaduz", {Qt::Key_Up, Qt::Key_Return}, "Vaduz", false},
        {"Frankfurt", {Qt::Key_Down, Qt::Key_Return}, "Frankfurt/Oder", false},
        {"Frankfurt", {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}, "Frankfurt/Main", false},
        // Nothing found, the list closed by a click into the box: the place
        // stays, and the status line says why.
        {"Qwertzuiop", {Qt::Key_Return}, "Frankfurt/Main", true},
    };
    for (const Case& c : cases) {
        type(box, QString::fromUtf8(c.typed));
        if (c.list_closed) box->suggestionView()->hide();
        for (const Qt::Key key : c.keys) press(box, key);
        const QString place = t.window->placeName();
        EXPECT_EQ(place, QString::fromUtf8(c.place)) << c.typed;
        EXPECT_EQ(box->currentText(), place) << c.typed;
        EXPECT_TRUE(t.reportLines().filter(QStringLiteral(" \u00b7 ") + place).size() == 1)
            << c.typed << ": " << t.reportLines().join('\n').toStdString();
    }
    EXPECT_TRUE(t.find<QLabel>("lblStatus")->text().contains("Qwertzuiop"));
}

TEST(PlaceSearchInWindow, LandshutDayReportOnItsOwnClock) {
    // Sunrise 06:34 and sunset 19:53 CEST on 8 April 2024 (±2 min).
    WindowForTest t;
    t.now = berlin_time(QDate(2024, 4, 8), QTime(12, 0));
    t.start();
    type(box_of(t), "Landshut");
    press(box_of(t), Qt::Key_Return);
    ASSERT_EQ(t.window->placeName(), "Landshut");
    EXPECT_EQ(t.window->placeRegion(), "DE-BY");
    const QRegularExpressionMatch times =
        QRegularExpression(R"(^(\d\d):(\d\d) Uhr - (\d\d):(\d\d) Uhr$)").match(t.valueOf("Sonne"));
    ASSERT_TRUE(times.hasMatch()) << t.valueOf("Sonne").toStdString();
    const int rise_min = times.captured(1).toInt() * 60 + times.captured(2).toInt();
    const int set_min = times.captured(3).toInt() * 60 + times.captured(4).toInt();
    EXPECT_NEAR(rise_min, 6 * 60 + 34, 2);
    EXPECT_NEAR(set_min, 19 * 60 + 53, 2);
}

// Fills the dialog and presses "Übernehmen" once the window shows it (the
// window opens it after the events queued before this call).
void answer_dialog(const char* name, const char* latitude, const char* longitude, const char* zone) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<PlaceDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("txtName")->setText(QString::fromUtf8(name));
        dialog->findChild<QLineEdit*>("txtBreite")->setText(QString::fromUtf8(latitude));
        dialog->findChild<QLineEdit*>("txtLaenge")->setText(QString::fromUtf8(longitude));
        dialog->findChild<QComboBox*>("cmbZone")->setEditText(QString::fromUtf8(zone));
        dialog->findChild<QPushButton*>("cmdUebernehmen")->click();
        // Refused input keeps the dialog open: close it as the user would.
        if (dialog->isVisible()) dialog->reject();
    });
}

TEST(PlaceSearchInWindow, OwnPlaceFromTheListsLastEntry) {
    WindowForTest t;
    t.start();
    PlaceBox* box = box_of(t);
    // The dialog opens once the list has closed, after this answer is queued.
    box->setCurrentIndex(box->customPlaceIndex());
    answer_dialog("Gartenhaus", "47,5 N", "-12.25", "America/Sao_Paulo");
    QApplication::processEvents();
    frmKalender& w = *t.window;
    EXPECT_EQ(w.placeName(), "Gartenhaus");
    EXPECT_DOUBLE_EQ(w.engine().Latitude(), 47.5);
    EXPECT_DOUBLE_EQ(w.engine().Longitude(), -12.25);
    EXPECT_EQ(w.engine().Zeitzone(), "America/Sao_Paulo");
    EXPECT_EQ(box->currentText(), "Gartenhaus");
    QSettings stored(t.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Settings/ort").toString(), "Gartenhaus");
    EXPECT_EQ(stored.value("Settings/lat").toString(), "47,5");
    EXPECT_EQ(stored.value("Settings/zone").toString(), "America/Sao_Paulo");
}

TEST(PlaceSearchInWindow, BadOwnPlaceIsRefusedInTheDialogAndNothingStored) {
    struct Case { const char* name; const char* latitude; const char* longitude; const char* zone; const char* says; };
    const Case cases[] = {
        {"Hütte", "91", "12", "Europe/Berlin", "zwischen -90 und 90"},
        {"Hütte", "48", "-180,5", "Europe/Berlin", "zwischen -180 und 180"},
        {"Hütte", "1e300", "12", "Europe/Berlin", "keine Zahl"},
        {"Hütte", "48,5,3", "12", "Europe/Berlin", "keine Zahl"},
        {"Hütte", "48", "", "Europe/Berlin", "Länge eingeben"},
        {"", "48", "12", "Europe/Berlin", "Namen"},
        {"Berlin", "48", "12", "Europe/Berlin", "Ort der Liste"},
        {"Hütte", "48", "12", "Mars/Olympus", "nicht in der Zeitzonen-Datenbank"},
    };
    WindowForTest t;
    t.start();
    for (const Case& c : cases) {
        PlaceDialog dialog(52.5, 13.4, "Europe/Berlin", ',', t.window.get());
        dialog.findChild<QLineEdit*>("txtName")->setText(QString::fromUtf8(c.name));
        dialog.findChild<QLineEdit*>("txtBreite")->setText(QString::fromUtf8(c.latitude));
        dialog.findChild<QLineEdit*>("txtLaenge")->setText(QString::fromUtf8(c.longitude));
        dialog.findChild<QComboBox*>("cmbZone")->setEditText(QString::fromUtf8(c.zone));
        dialog.findChild<QPushButton*>("cmdUebernehmen")->click();
        EXPECT_FALSE(dialog.place().has_value()) << c.latitude;
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.latitude;
        EXPECT_TRUE(dialog.findChild<QLabel*>("lblFehler")->text().contains(QString::fromUtf8(c.says)))
            << dialog.findChild<QLabel*>("lblFehler")->text().toStdString();
    }
    // A refusal goes once the field is corrected.
    PlaceDialog dialog(52.5, 13.4, "Europe/Berlin", ',', t.window.get());
    auto* latitude = dialog.findChild<QLineEdit*>("txtBreite");
    auto* error = dialog.findChild<QLabel*>("lblFehler");
    dialog.findChild<QLineEdit*>("txtName")->setText("Hütte");
    latitude->setText("91");
    dialog.findChild<QPushButton*>("cmdUebernehmen")->click();
    ASSERT_FALSE(error->isHidden());
    QTest::keyClick(latitude, Qt::Key_Backspace);
    EXPECT_TRUE(error->isHidden());
    EXPECT_TRUE(error->text().isEmpty());

    // Through the window: the refused place leaves the chosen one in force.
    box_of(t)->setCurrentIndex(box_of(t)->customPlaceIndex());
    answer_dialog("Hütte", "91", "12", "Europe/Berlin");
    QApplication::processEvents();
    EXPECT_EQ(t.window->placeName(), "Berlin");
    EXPECT_EQ(box_of(t)->currentText(), "Berlin");
    EXPECT_FALSE(QFile::exists(t.settingsPath()));
}

// Enter on the zone field's single suggestion takes it and leaves the
// dialog open; the next Enter takes the place.
TEST(PlaceSearchInWindow, EnterTakesTheSingleZoneSuggestion) {
    WindowForTest t;
    t.start();
    PlaceDialog dialog(47.14, 9.52, "Europe/Berlin", ',', t.window.get());
    dialog.findChild<QLineEdit*>("txtName")->setText("Hütte");
    auto* zone = dialog.findChild<QComboBox*>("cmbZone");
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    zone->setFocus();
    zone->lineEdit()->selectAll();
    QTest::keyClicks(zone->lineEdit(), "vaduz");
    const auto enter = [] {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key_Return);
    };
    enter();
    EXPECT_EQ(zone->currentText(), "Europe/Vaduz");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>("lblFehler")->isHidden());
    enter();
    ASSERT_TRUE(dialog.place().has_value());
    EXPECT_EQ(dialog.place()->zone, "Europe/Vaduz");
}

} // namespace
