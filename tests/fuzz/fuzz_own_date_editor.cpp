// The own-date editor's fields as a user may fill them, one per line of the
// input: title, kind (a byte), date, "Jahr unbekannt" (a byte), until, time
// (empty: all day), repetition (a byte), and the note (the rest). "Speichern"
// either refuses with a German reason and stores nothing, or stores one date
// that the store accepts, on the day and month typed, and that the file
// format reads back unchanged.
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "fuzz/fuzz_input.h"
#include "fuzz/offscreen_application.h"
#include "places/name_folding.h"
#include "ephemeris/calendar.h"
#include "own_dates/calendar_file.h"
#include "ui/own_date_editor.h"

namespace od = vespera::own_dates;

namespace {

QString take_piece(QByteArray& rest, bool last) {
    const qsizetype end = last ? -1 : rest.indexOf('\n');
    const QByteArray piece = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QByteArray() : rest.mid(end + 1);
    return QString::fromUtf8(piece);
}

bool flag(const QString& piece) { return !piece.isEmpty() && (piece.at(0).unicode() & 1); }

template <class T> T* field(const QWidget& editor, const char* name) {
    T* found = editor.findChild<T*>(QLatin1String(name));
    if (!found) fuzz::fail(std::string("no field ") + name);
    return found;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char name[] = "fuzz_own_date_editor";
    fuzz::start_offscreen_application(name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Without an event loop, what Qt posts for the editors would pile up.
    QCoreApplication::processEvents();
    QByteArray rest(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString title = take_piece(rest, false);
    const QString kind = take_piece(rest, false);
    const QString date = take_piece(rest, false);
    const QString without_year = take_piece(rest, false);
    const QString until = take_piece(rest, false);
    const QString time = take_piece(rest, false);
    const QString yearly = take_piece(rest, false);
    const QString note = take_piece(rest, true);

    // A store that never touches the disk: nothing there, every write taken.
    od::StoreFiles files;
    files.write = [](const std::filesystem::path&, std::string_view) { return std::string(); };
    files.lock = {};
    od::OwnDateStore store("/nonexistent/vespera-fuzz/termine.ics", files, [] { return std::int64_t{1714723200}; });
    const std::int64_t day = vespera::day_number_in(vespera::Calendar::Gregorian, 2024, 5, 3);
    OwnDateEditor editor(store, day, std::nullopt, od::LeapDayRule::february_28);

    field<QLineEdit>(editor, "txtTitel")->setText(title);
    auto* kinds = field<QComboBox>(editor, "cmbArt");
    kinds->setCurrentIndex(kind.isEmpty() ? 0 : static_cast<int>(kind.at(0).unicode() % 3));
    field<QCheckBox>(editor, "chkJahrUnbekannt")->setChecked(flag(without_year));
    field<QLineEdit>(editor, "txtDatum")->setText(date);
    field<QLineEdit>(editor, "txtBis")->setText(until);
    field<QCheckBox>(editor, "chkGanztaegig")->setChecked(time.isEmpty());
    field<QLineEdit>(editor, "txtUhrzeit")->setText(time);
    auto* repeat = field<QComboBox>(editor, "cmbWiederholung");
    if (repeat->isEnabled()) repeat->setCurrentIndex(flag(yearly) ? 1 : 0);
    field<QPlainTextEdit>(editor, "txtNotiz")->setPlainText(note);
    editor.accept();

    const std::string reason = field<QLabel>(editor, "lblFehler")->text().toStdString();
    if (editor.result() != QDialog::Accepted) {
        fuzz::check(store.dates().empty(), "a refused date was stored");
        fuzz::check(!reason.empty() && vespera::is_printable_utf8(reason), "refused without a printable reason");
        return 0;
    }
    fuzz::check(reason.empty(), "stored, yet a reason shows: " + reason);
    fuzz::check(store.dates().size() == 1, "not one date stored");
    const od::OwnDate& stored = store.dates()[0];
    fuzz::check(od::date_problem(stored).empty(), "the store kept a date it refuses: " + od::date_problem(stored));
    fuzz::check(!stored.title.empty(), "an empty title was stored");
    static const QRegularExpression kDayMonth(QStringLiteral("^\\s*(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch typed = kDayMonth.match(date);
    fuzz::check(typed.hasMatch(), "stored from a date field without day and month");
    const vespera::CivilDate civil = vespera::date_in(vespera::Calendar::Gregorian, stored.first_day);
    fuzz::check(civil.day == typed.captured(1).toInt() && civil.month == typed.captured(2).toInt(),
                "stored on another day than typed");
    fuzz::check(stored.year_known != flag(without_year), "the year's being known was not kept");
    const od::ParsedFile read = od::parse_own_date_file(od::own_date_document({store.dates(), {}, {}}, 1714723200));
    fuzz::check(read.problem.empty(), "the file of the stored date is damaged: " + read.problem);
    fuzz::check(read.file.dates == store.dates(), "the stored date reads back otherwise");
    return 0;
}
