// The window's text boxes with arbitrary text: the year box (txtJahr) and the
// two date boxes of the date difference (txtDatum(0), txtDatum(1)), with a few
// user actions in between. Input: the year text, the two date texts and the
// actions (two bytes each), separated by line feeds. Nothing may crash; the difference label
// shows one of its three result forms; every message is the common fault
// message; the window's date stays within the engine's years.
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QTimeZone>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>

#include "base/date_math.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/offscreen_application.h"
#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "ui/frmKalender.h"

namespace {

constexpr int kMaxPresses = 8;

struct Window {
    QTemporaryDir config;
    QStringList messages;
    std::unique_ptr<frmKalender> form;
    QLineEdit* year = nullptr;
    std::array<QLineEdit*, 2> dates{};
    QPushButton* compute = nullptr;
    QLabel* result = nullptr;

    template <class T>
    T* find(const QString& name) const {
        T* control = form->findChild<T*>(name);
        if (!control) fuzz::fail("no control " + name.toStdString());
        return control;
    }
    void click(const QString& name) const { find<QPushButton>(name)->click(); }
};

Window* window = nullptr;

QString take_piece(QByteArray& rest) {
    const qsizetype end = rest.indexOf('\n');
    const QByteArray piece = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QByteArray() : rest.mid(end + 1);
    return QString::fromUtf8(piece);
}

// One user action: a button, a key, a day picked in the grid, the wheel over
// the report, the list's scroll bar or the city list.
void press(std::uint8_t action, std::uint8_t parameter) {
    static constexpr Qt::Key kKeys[7] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,  Qt::Key_Down,
                                         Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home};
    const int kind = action % 26;
    if (kind < 4) {
        window->click(QStringLiteral("cmdAendern(%1)").arg(kind));
    } else if (kind < 12) {
        window->click(QStringLiteral("cmdDaten(%1)").arg(kind - 4));
    } else if (kind == 12) {
        window->click(QStringLiteral("cmdDiff(%1)").arg(parameter & 1));
    } else if (kind == 13) {
        window->click(QStringLiteral("cmdHeute"));
    } else if (kind == 14) {
        window->compute->click();
    } else if (kind < 22) {
        QKeyEvent key(QEvent::KeyPress, kKeys[kind - 15], Qt::NoModifier);
        QApplication::sendEvent(window->form.get(), &key);
    } else if (kind == 22) {
        emit window->find<MonthView>(QStringLiteral("picMonat"))->dayPressed(static_cast<std::int8_t>(parameter));
    } else if (kind == 23) {
        emit window->find<InfoPanel>(QStringLiteral("picInfo"))->wheelNotches(static_cast<std::int8_t>(parameter) % 4);
    } else if (kind == 24) {
        window->find<QScrollBar>(QStringLiteral("ucScrollbar1"))->setValue(parameter);
    } else {
        window->find<QComboBox>(QStringLiteral("cmbOrt"))->setCurrentIndex(parameter % 101);
    }
}

void check_result_label() {
    static const QRegularExpression kForm(
        QStringLiteral("^(Die Differenz beträgt Null Tage\\.|Die Differenz beträgt -?1 Tag\\.|"
                       "Die Differenz beträgt -?([2-9]|[1-9][0-9]+) Tage\\.|"
                       "(Erstes|Zweites) Datum: [^\\n]+|Bei der Berechnung ist ein Fehler aufgetreten\\.)"
                       "(\\nZeitspanne: [^\\n]+\\n-?[0-9]+ Arbeitstage? [^\\n]+)?$"));
    const QString text = window->result->text();
    fuzz::check(kForm.match(text).hasMatch(), "lblDatumsDifferenz shows \"" + text.toStdString() + "\"");
}

void check_messages() {
    fuzz::check(window->messages.isEmpty(), "message: " + window->messages.value(0).toStdString());
    static const QRegularExpression kForm(QStringLiteral(
        "^Error [0-9]+ \\([A-Za-z/ -]+\\), line [0-9]+  in procedure [A-Za-z_]+ of "
        "(Klassenmodul clsCalendar|Formular frmKalender)$"));
    for (const QString& message : window->messages) {
        fuzz::check(kForm.match(message).hasMatch(), "message not in the common form: " + message.toStdString());
    }
}

void check_window_date() {
    frmKalender& w = *window->form;
    const int year = w.selectedYear();
    fuzz::check(year >= -vespera::kLargestYear && year <= vespera::kLargestYear,
                "selected year " + std::to_string(year));
    fuzz::check(w.selectedMonth() >= 1 && w.selectedMonth() <= 12, "selected month " + std::to_string(w.selectedMonth()));
    fuzz::check(w.selectedDay() >= 1 && w.selectedDay() <= 31, "selected day " + std::to_string(w.selectedDay()));
    fuzz::check(w.engine().Jahr() == year && w.engine().Monat() == w.selectedMonth() &&
                    w.engine().Tag() == w.selectedDay(),
                "the engine's date " + w.engine().Format_Datum(0) + " is not the selected day " +
                    std::to_string(w.selectedDay()) + "." + std::to_string(w.selectedMonth()) + "." +
                    std::to_string(year));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char name[] = "fuzz_window_text";
    fuzz::start_offscreen_application(name);
    window = new Window;
    qputenv("VESPERA_CONFIG_DIR", window->config.path().toLocal8Bit());
    const QDateTime now(QDate(2024, 5, 3), QTime(14, 15, 2), QTimeZone(QByteArrayLiteral("Europe/Berlin")));
    window->form = std::make_unique<frmKalender>([now] { return now; },
                                                 [](const QString& text) { window->messages << text; });
    window->form->setExportFolders({window->config.path()});
    window->year = window->find<QLineEdit>(QStringLiteral("txtJahr"));
    window->dates = {window->find<QLineEdit>(QStringLiteral("txtDatum(0)")),
                     window->find<QLineEdit>(QStringLiteral("txtDatum(1)"))};
    window->compute = window->find<QPushButton>(QStringLiteral("cmdBerechnen"));
    window->result = window->find<QLabel>(QStringLiteral("lblDatumsDifferenz"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The same start for every input: today's month and the day report.
    window->messages.clear();
    window->click(QStringLiteral("cmdDaten(0)"));
    window->click(QStringLiteral("cmdHeute"));

    QByteArray rest(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString year = take_piece(rest);
    const QString first = take_piece(rest);
    const QString second = take_piece(rest);

    window->year->setText(year);
    check_window_date();
    for (qsizetype i = 0; i + 1 < rest.size() && i < 2 * kMaxPresses; i += 2) {
        press(static_cast<std::uint8_t>(rest[i]), static_cast<std::uint8_t>(rest[i + 1]));
    }
    check_window_date();

    window->dates[0]->setText(first);
    window->dates[1]->setText(second);
    window->compute->click();
    check_result_label();
    check_window_date();
    check_messages();
    return 0;
}
