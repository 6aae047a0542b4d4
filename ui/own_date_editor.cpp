#include "ui/own_date_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ephemeris/calendar.h"
#include "ui/contrast.h"
#include "ui/settings_store.h"

namespace od = vespera::own_dates;

namespace {

constexpr int kRepeatOnce = 0;
constexpr int kRepeatYearly = 1;

// Dates as iCalendar writes them: proleptic Gregorian.
QString date_field_text(std::int64_t day, bool with_year) {
    const vespera::CivilDate date = vespera::date_in(vespera::Calendar::Gregorian, day);
    const QString day_month =
        QStringLiteral("%1.%2.").arg(date.day, 2, 10, QLatin1Char('0')).arg(date.month, 2, 10, QLatin1Char('0'));
    return with_year ? day_month + QStringLiteral("%1").arg(date.year, 4, 10, QLatin1Char('0')) : day_month;
}

struct TypedDay {
    std::optional<std::int64_t> day;
    QString problem;
};

// "03.05.2024" or "3.5.2024"; without a year ("15.04.") the year is
// od::kYearUnknown, and any year typed is not used. The year has four
// digits: "3.5.24" would be the year 24, not what was meant.
TypedDay read_date_field(const QString& typed, const QString& field, bool without_year) {
    static const QRegularExpression kPattern(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})(?:\\.([0-9]{4})?)?$"));
    const QRegularExpressionMatch match = kPattern.match(typed.trimmed());
    const bool year_typed = match.hasMatch() && !match.captured(3).isEmpty();
    if (!match.hasMatch() || (!without_year && !year_typed)) {
        return {std::nullopt,
                QStringLiteral("%1: Bitte als TT.MM.JJJJ eingeben, das Jahr vierstellig, etwa 03.05.2024.").arg(field)};
    }
    const int day = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int year = without_year ? static_cast<int>(od::kYearUnknown) : match.captured(3).toInt();
    if (year < od::kFirstYear || year > od::kLastYear) {
        return {std::nullopt, QStringLiteral("%1: Das Jahr muss zwischen %2 und %3 liegen.")
                                  .arg(field)
                                  .arg(od::kFirstYear)
                                  .arg(od::kLastYear)};
    }
    // QDate is proleptic Gregorian too.
    if (!QDate(year, month, day).isValid()) {
        return {std::nullopt, QStringLiteral("%1: Den %2 gibt es nicht.").arg(field, typed.trimmed())};
    }
    return {vespera::day_number_in(vespera::Calendar::Gregorian, year, month, day), {}};
}

// "14:30" or "14.30": seconds since midnight.
std::optional<std::int32_t> read_time_field(const QString& typed) {
    static const QRegularExpression kPattern(QStringLiteral("^([0-9]{1,2})[:.]([0-9]{2})$"));
    const QRegularExpressionMatch match = kPattern.match(typed.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    if (hours > 23 || minutes > 59) return std::nullopt;
    return hours * 3600 + minutes * 60;
}

QString time_field_text(std::int32_t seconds) {
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

QLabel* buddy_label(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void make_warning_label(QLabel* label) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warning = label->palette();
    // Red, but readable on a dark desktop too.
    warning.setColor(QPalette::WindowText,
                     vespera::ui::readable_on(QColor(176, 0, 32), warning.color(QPalette::Window)));
    label->setPalette(warning);
}

OwnDateEditor::OwnDateEditor(od::OwnDateStore& store, std::int64_t day, std::optional<od::OwnDate> existing,
                             od::LeapDayRule leap_day, QWidget* parent)
    : QDialog(parent), store_(store), existing_(std::move(existing)), leap_day_(leap_day) {
    setObjectName(QStringLiteral("dlgTermin"));
    setWindowTitle(existing_ ? QStringLiteral("Termin bearbeiten") : QStringLiteral("Neuer Termin"));

    const auto named = [](QWidget* widget, const char* object_name, const QString& accessible) {
        widget->setObjectName(QLatin1String(object_name));
        widget->setAccessibleName(accessible);
    };
    txtTitel = new QLineEdit(this);
    named(txtTitel, "txtTitel", QStringLiteral("Titel"));
    txtTitel->setPlaceholderText(QStringLiteral("zum Beispiel Anna"));
    txtTitel->setMaxLength(static_cast<int>(od::kMaxTitleBytes));
    cmbArt = new QComboBox(this);
    named(cmbArt, "cmbArt", QStringLiteral("Art"));
    for (const od::Kind kind : {od::Kind::geburtstag, od::Kind::jahrestag, od::Kind::termin}) {
        const std::string_view name = od::kind_name(kind);
        cmbArt->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), static_cast<int>(kind));
    }
    txtDatum = new QLineEdit(this);
    named(txtDatum, "txtDatum", QStringLiteral("Datum"));
    txtDatum->setAccessibleDescription(QStringLiteral("TT.MM.JJJJ"));
    txtDatum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    chkJahrUnbekannt = new QCheckBox(QStringLiteral("&Jahr unbekannt"), this);
    named(chkJahrUnbekannt, "chkJahrUnbekannt", QStringLiteral("Jahr unbekannt"));
    txtBis = new QLineEdit(this);
    named(txtBis, "txtBis", QStringLiteral("Bis"));
    txtBis->setAccessibleDescription(QStringLiteral("letzter Tag, TT.MM.JJJJ; leer für einen Tag"));
    txtBis->setPlaceholderText(QStringLiteral("leer für einen Tag"));
    txtUhrzeit = new QLineEdit(this);
    named(txtUhrzeit, "txtUhrzeit", QStringLiteral("Uhrzeit"));
    txtUhrzeit->setAccessibleDescription(QStringLiteral("HH:MM"));
    txtUhrzeit->setPlaceholderText(QStringLiteral("HH:MM"));
    chkGanztaegig = new QCheckBox(QStringLiteral("&ganztägig"), this);
    named(chkGanztaegig, "chkGanztaegig", QStringLiteral("ganztägig"));
    cmbWiederholung = new QComboBox(this);
    named(cmbWiederholung, "cmbWiederholung", QStringLiteral("Wiederholung"));
    cmbWiederholung->addItems({QStringLiteral("einmalig"), QStringLiteral("jährlich")});
    txtRegel = new QLineEdit(this);
    named(txtRegel, "txtRegel", QStringLiteral("Wiederholung"));
    txtRegel->setReadOnly(true);
    cmb29Februar = new QComboBox(this);
    named(cmb29Februar, "cmb29Februar", QStringLiteral("29. Februar in Gemeinjahren"));
    cmb29Februar->addItem(QStringLiteral("in Gemeinjahren am 28. Februar"),
                          static_cast<int>(od::LeapDayRule::february_28));
    cmb29Februar->addItem(QStringLiteral("in Gemeinjahren am 1. März"), static_cast<int>(od::LeapDayRule::march_1));
    cmb29Februar->setToolTip(QStringLiteral("Gilt für alle jährlichen Termine am 29. Februar. Voreingestellt ist der "
                                            "28. Februar: Fristen nach Jahren enden so (§ 188 Abs. 3 BGB)."));
    cmb29Februar->setCurrentIndex(leap_day_ == od::LeapDayRule::march_1 ? 1 : 0);
    txtNotiz = new QPlainTextEdit(this);
    named(txtNotiz, "txtNotiz", QStringLiteral("Notiz"));
    // Tab moves on, as everywhere else in the dialog.
    txtNotiz->setTabChangesFocus(true);
    txtNotiz->setFixedHeight(txtNotiz->fontMetrics().lineSpacing() * 4 + 12);
    lblFehler = new QLabel(this);
    named(lblFehler, "lblFehler", QStringLiteral("Fehler"));
    make_warning_label(lblFehler);
    lblFehler->hide();

    if (existing_) {
        const od::OwnDate& date = *existing_;
        txtTitel->setText(QString::fromStdString(date.title));
        cmbArt->setCurrentIndex(cmbArt->findData(static_cast<int>(date.kind)));
        txtDatum->setText(date_field_text(date.first_day, date.year_known));
        chkJahrUnbekannt->setChecked(!date.year_known);
        if (!date.start_seconds && date.day_count > 1) {
            txtBis->setText(date_field_text(date.first_day + date.day_count - 1, true));
        }
        chkGanztaegig->setChecked(!date.start_seconds);
        if (date.start_seconds) {
            txtUhrzeit->setText(time_field_text(*date.start_seconds));
            if (date.clock == vespera::ical::Clock::utc) txtUhrzeit->setToolTip(QStringLiteral("Uhrzeit in UTC"));
            if (date.clock == vespera::ical::Clock::zoned) {
                txtUhrzeit->setToolTip(
                    QStringLiteral("Uhrzeit der Zeitzone %1").arg(QString::fromStdString(date.tzid)));
            }
        }
        cmbWiederholung->setCurrentIndex(date.repeat == od::Repeat::once ? kRepeatOnce : kRepeatYearly);
        if (date.repeat == od::Repeat::rule) {
            const QString rule =
                date.rrule.empty() ? QStringLiteral("einzelne Tage") : QString::fromStdString(date.rrule);
            txtRegel->setText(QStringLiteral("nach Regel: ") + rule);
            txtRegel->setToolTip(txtRegel->text());
            txtRegel->setCursorPosition(0);
        }
        txtNotiz->setPlainText(QString::fromStdString(date.note));
    } else {
        cmbArt->setCurrentIndex(cmbArt->findData(static_cast<int>(od::Kind::termin)));
        txtDatum->setText(date_field_text(day, true));
        chkGanztaegig->setChecked(true);
        cmbWiederholung->setCurrentIndex(kRepeatOnce);
    }

    form_ = new QFormLayout;
    form_->addRow(buddy_label(QStringLiteral("&Titel:"), txtTitel), txtTitel);
    form_->addRow(buddy_label(QStringLiteral("&Art:"), cmbArt), cmbArt);
    auto* date_row = new QHBoxLayout;
    date_row->addWidget(txtDatum, 1);
    date_row->addWidget(chkJahrUnbekannt);
    form_->addRow(buddy_label(QStringLiteral("&Datum:"), txtDatum), date_row);
    form_->addRow(buddy_label(QStringLiteral("&Bis:"), txtBis), txtBis);
    auto* time_row = new QHBoxLayout;
    time_row->addWidget(txtUhrzeit, 1);
    time_row->addWidget(chkGanztaegig);
    form_->addRow(buddy_label(QStringLiteral("&Uhrzeit:"), txtUhrzeit), time_row);
    form_->addRow(buddy_label(QStringLiteral("&Wiederholung:"), cmbWiederholung), cmbWiederholung);
    form_->addRow(buddy_label(QStringLiteral("&Wiederholung:"), txtRegel), txtRegel);
    form_->addRow(buddy_label(QStringLiteral("29. &Februar:"), cmb29Februar), cmb29Februar);
    form_->addRow(buddy_label(QStringLiteral("&Notiz:"), txtNotiz), txtNotiz);
    const bool ruled = existing_ && existing_->repeat == od::Repeat::rule;
    form_->setRowVisible(cmbWiederholung, !ruled);
    form_->setRowVisible(txtRegel, ruled);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("cmdSpeichern"));
    save->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &OwnDateEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OwnDateEditor::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(lblFehler);
    layout->addWidget(buttons);
    setMinimumWidth(460);

    // A birthday or an anniversary comes back every year; an appointment
    // usually once.
    connect(cmbArt, &QComboBox::currentIndexChanged, this, [this] {
        cmbWiederholung->setCurrentIndex(kind() == od::Kind::termin ? kRepeatOnce : kRepeatYearly);
        updateRows();
    });
    connect(txtDatum, &QLineEdit::textChanged, this, &OwnDateEditor::updateRows);
    connect(cmbWiederholung, &QComboBox::currentIndexChanged, this, &OwnDateEditor::updateRows);
    // Whatever the user changes may mend what was refused.
    for (QCheckBox* box : {chkJahrUnbekannt, chkGanztaegig}) {
        connect(box, &QCheckBox::toggled, this, &OwnDateEditor::updateRows);
        connect(box, &QCheckBox::toggled, this, &OwnDateEditor::clearProblem);
    }
    for (QLineEdit* edit : {txtTitel, txtDatum, txtBis, txtUhrzeit}) {
        connect(edit, &QLineEdit::textEdited, this, &OwnDateEditor::clearProblem);
    }
    for (QComboBox* box : {cmbArt, cmbWiederholung, cmb29Februar}) {
        connect(box, &QComboBox::currentIndexChanged, this, &OwnDateEditor::clearProblem);
    }
    connect(txtNotiz, &QPlainTextEdit::textChanged, this, &OwnDateEditor::clearProblem);

    updateRows();
    txtTitel->setFocus();
}

od::Kind OwnDateEditor::kind() const { return static_cast<od::Kind>(cmbArt->currentData().toInt()); }

void OwnDateEditor::updateRows() {
    // An appointment has its year; one taken over without it still shows
    // so, and can be given one.
    const bool without_year = chkJahrUnbekannt->isChecked();
    chkJahrUnbekannt->setVisible(kind() != od::Kind::termin || without_year);
    const bool all_day = chkGanztaegig->isChecked();
    txtUhrzeit->setEnabled(!all_day);
    txtBis->setEnabled(all_day && !without_year);
    // A date without its year can only come back yearly.
    if (without_year) cmbWiederholung->setCurrentIndex(kRepeatYearly);
    cmbWiederholung->setEnabled(!without_year);
    const bool ruled = existing_ && existing_->repeat == od::Repeat::rule;
    const bool yearly = !ruled && cmbWiederholung->currentIndex() == kRepeatYearly;
    const TypedDay first = read_date_field(txtDatum->text(), {}, without_year);
    bool leap_day = false;
    if (first.day) {
        const vespera::CivilDate date = vespera::date_in(vespera::Calendar::Gregorian, *first.day);
        leap_day = date.month == 2 && date.day == 29;
    }
    form_->setRowVisible(cmb29Februar, yearly && leap_day);
}

OwnDateEditor::Typed OwnDateEditor::typedDate() const {
    od::OwnDate date = existing_ ? *existing_ : od::OwnDate{};
    const QString title = txtTitel->text().trimmed();
    if (title.isEmpty()) return {std::nullopt, QStringLiteral("Bitte geben Sie einen Titel ein."), txtTitel};
    // The store would cut a longer text short; the user cuts it instead.
    date.title = title.toStdString();
    if (date.title.size() > od::kMaxTitleBytes) {
        return {
            std::nullopt,
            QStringLiteral("Der Titel ist zu lang: höchstens %1 Bytes, ein Umlaut zählt zwei.").arg(od::kMaxTitleBytes),
            txtTitel};
    }
    date.note = txtNotiz->toPlainText().toStdString();
    if (date.note.size() > od::kMaxNoteBytes) {
        return {std::nullopt, QStringLiteral("Die Notiz ist zu lang: höchstens %1 KB.").arg(od::kMaxNoteBytes / 1024),
                txtNotiz};
    }
    date.kind = kind();
    date.year_known = !chkJahrUnbekannt->isChecked();
    const TypedDay first = read_date_field(txtDatum->text(), QStringLiteral("Datum"), !date.year_known);
    if (!first.day) return {std::nullopt, first.problem, txtDatum};
    date.first_day = *first.day;
    if (chkGanztaegig->isChecked()) {
        date.start_seconds.reset();
        date.clock = vespera::ical::Clock::floating;
        date.tzid.clear();
        date.duration_seconds = 0;
        date.day_count = 1;
        if (txtBis->isEnabled() && !txtBis->text().trimmed().isEmpty()) {
            const TypedDay last = read_date_field(txtBis->text(), QStringLiteral("Bis"), false);
            if (!last.day) return {std::nullopt, last.problem, txtBis};
            if (*last.day < date.first_day) {
                return {std::nullopt, QStringLiteral("Bis: Der letzte Tag liegt vor dem Datum."), txtBis};
            }
            if (*last.day - date.first_day >= od::kMaxDayCount) {
                return {std::nullopt,
                        QStringLiteral("Bis: Ein Termin umfasst höchstens %1 Tage.").arg(od::kMaxDayCount), txtBis};
            }
            date.day_count = static_cast<std::int32_t>(*last.day - date.first_day + 1);
        }
    } else {
        const std::optional<std::int32_t> seconds = read_time_field(txtUhrzeit->text());
        if (!seconds) {
            return {std::nullopt,
                    QStringLiteral("Uhrzeit: Bitte als HH:MM eingeben, etwa 14:30, oder „ganztägig“ "
                                   "wählen."),
                    txtUhrzeit};
        }
        // A time taken over keeps its clock (UTC or a zone); a new one is
        // the wall clock wherever the user is.
        if (!date.start_seconds) {
            date.clock = vespera::ical::Clock::floating;
            date.tzid.clear();
            date.duration_seconds = 0;
        }
        date.start_seconds = seconds;
        date.day_count = 1;
    }
    if (date.repeat != od::Repeat::rule) {
        date.repeat = cmbWiederholung->currentIndex() == kRepeatYearly ? od::Repeat::yearly : od::Repeat::once;
    }
    return {std::move(date), {}, nullptr};
}

void OwnDateEditor::accept() {
    clearProblem();
    Typed typed = typedDate();
    if (!typed.date) {
        showProblem(typed.problem);
        if (typed.field) typed.field->setFocus();
        return;
    }
    // The setting first: when it cannot be saved, nothing is, and the user
    // may choose again.
    if (form_->isRowVisible(cmb29Februar)) {
        const auto chosen = static_cast<od::LeapDayRule>(cmb29Februar->currentData().toInt());
        if (chosen != leap_day_) {
            const QString error = vespera::ui::write_stored_leap_day_rule(chosen);
            if (!error.isEmpty()) {
                showProblem(error);
                return;
            }
            leap_day_ = chosen;
        }
    }
    const od::Change change = existing_ ? store_.replace(std::move(*typed.date)) : store_.add(std::move(*typed.date));
    if (!change.ok) {
        showProblem(QString::fromStdString(change.message));
        return;
    }
    QDialog::accept();
}

void OwnDateEditor::showProblem(const QString& text) {
    lblFehler->setText(text);
    lblFehler->show();
}

void OwnDateEditor::clearProblem() {
    lblFehler->clear();
    lblFehler->hide();
}
