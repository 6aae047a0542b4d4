#include "ui/own_date_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/german_names.h"
#include "ephemeris/calendar.h"
#include "own_dates/occurrence_text.h"
#include "ui/own_date_editor.h"

namespace od = vespera::own_dates;

namespace {

QString text_of(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString day_text(std::int64_t day) {
    const vespera::CivilDate date = vespera::civil_date(day);
    return text_of(vespera::date_text(date.year, date.month, date.day, 0));
}

// "14:30 Zahnarzt", "Urlaub (3.5.2024 bis 10.5.2024)".
QString list_text(const od::OwnDate& date, const od::DateOccurrence& occurrence) {
    QString text = QString::fromStdString(od::occurrence_label(date, occurrence));
    if (occurrence.start_seconds) {
        const std::int32_t minutes = *occurrence.start_seconds / 60;
        text = QStringLiteral("%1:%2 ")
                   .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                   .arg(minutes % 60, 2, 10, QLatin1Char('0')) +
               text;
    }
    if (occurrence.last_day > occurrence.first_day) {
        text += QStringLiteral(" (%1 bis %2)").arg(day_text(occurrence.first_day), day_text(occurrence.last_day));
    }
    return text;
}

const od::OwnDate* find_date(const od::OwnDateStore& store, const QString& uid) {
    const std::string wanted = uid.toStdString();
    const auto& dates = store.dates();
    const auto found = std::find_if(dates.begin(), dates.end(), [&](const od::OwnDate& d) { return d.uid == wanted; });
    return found == dates.end() ? nullptr : &*found;
}

} // namespace

OwnDateDialog::OwnDateDialog(od::OwnDateStore& store, std::int64_t day, QWidget* parent, od::OccurrenceOptions options)
    : QDialog(parent), store_(store), day_(day), options_(std::move(options)) {
    setObjectName(QStringLiteral("dlgTermine"));
    setWindowTitle(QStringLiteral("Termine am %1").arg(day_text(day_)));

    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setAccessibleName(QStringLiteral("Termine nur lesbar"));
    make_warning_label(lblProblem);

    const vespera::CivilDate date = vespera::civil_date(day_);
    auto* heading = new QLabel(QStringLiteral("&Termine am %1, %2:")
                                   .arg(text_of(vespera::weekday_name(vespera::weekday_index(day_))),
                                        text_of(vespera::date_text(date.year, date.month, date.day, 2))),
                               this);
    lstTermine = new QListWidget(this);
    lstTermine->setObjectName(QStringLiteral("lstTermine"));
    lstTermine->setAccessibleName(QStringLiteral("Termine des Tages"));
    heading->setBuddy(lstTermine);
    lblLeer = new QLabel(QStringLiteral("An diesem Tag ist nichts eingetragen."), this);
    lblLeer->setObjectName(QStringLiteral("lblLeer"));

    cmdNeu = new QPushButton(QStringLiteral("&Neu …"), this);
    cmdNeu->setObjectName(QStringLiteral("cmdNeu"));
    cmdBearbeiten = new QPushButton(QStringLiteral("&Bearbeiten …"), this);
    cmdBearbeiten->setObjectName(QStringLiteral("cmdBearbeiten"));
    cmdLoeschen = new QPushButton(QStringLiteral("&Löschen"), this);
    cmdLoeschen->setObjectName(QStringLiteral("cmdLoeschen"));
    cmdLoeschen->setAutoDefault(false);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdNeu);
    actions->addWidget(cmdBearbeiten);
    actions->addWidget(cmdLoeschen);
    actions->addStretch(1);

    lblFehler = new QLabel(this);
    lblFehler->setObjectName(QStringLiteral("lblFehler"));
    lblFehler->setAccessibleName(QStringLiteral("Fehler"));
    make_warning_label(lblFehler);
    lblFehler->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("cmdSchliessen"));
    close->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProblem);
    layout->addWidget(heading);
    layout->addWidget(lstTermine, 1);
    layout->addWidget(lblLeer);
    layout->addLayout(actions);
    layout->addWidget(lblFehler);
    layout->addWidget(buttons);
    setMinimumSize(420, 300);

    connect(cmdNeu, &QPushButton::clicked, this, [this] { openEditor(true); });
    connect(cmdBearbeiten, &QPushButton::clicked, this, [this] { openEditor(false); });
    connect(cmdLoeschen, &QPushButton::clicked, this, &OwnDateDialog::removeSelected);
    // Enter reaches the default button (Bearbeiten once a date is selected);
    // a double click does the same.
    connect(lstTermine, &QListWidget::itemDoubleClicked, this, [this] { openEditor(false); });
    connect(lstTermine, &QListWidget::currentRowChanged, this, &OwnDateDialog::updateButtons);

    refresh();
}

void OwnDateDialog::refresh() {
    lblProblem->setText(QString::fromStdString(store_.problem()));
    lblProblem->setVisible(store_.read_only());
    const QString selected =
        lstTermine->currentItem() ? lstTermine->currentItem()->data(Qt::UserRole).toString() : QString();
    lstTermine->clear();
    od::OccurrenceIndex index(store_.dates(), store_.timezones(), options_);
    for (const od::DateOccurrence& occurrence : index.between(day_, day_)) {
        const od::OwnDate& date = store_.dates()[occurrence.index];
        auto* item = new QListWidgetItem(list_text(date, occurrence), lstTermine);
        item->setData(Qt::UserRole, QString::fromStdString(date.uid));
        if (!date.note.empty()) item->setToolTip(QString::fromStdString(date.note));
        if (item->data(Qt::UserRole).toString() == selected) lstTermine->setCurrentItem(item);
    }
    if (!lstTermine->currentItem() && lstTermine->count() > 0) lstTermine->setCurrentRow(0);
    lblLeer->setVisible(lstTermine->count() == 0);
    updateButtons();
}

void OwnDateDialog::updateButtons() {
    const bool writable = !store_.read_only();
    const bool selected = lstTermine->currentItem() != nullptr;
    cmdNeu->setEnabled(writable);
    cmdBearbeiten->setEnabled(writable && selected);
    cmdLoeschen->setEnabled(writable && selected);
    QPushButton* preferred = cmdBearbeiten->isEnabled() ? cmdBearbeiten : cmdNeu;
    preferred->setDefault(true);
    (preferred == cmdNeu ? cmdBearbeiten : cmdNeu)->setDefault(false);
}

void OwnDateDialog::noteRevision(std::uint64_t before) {
    if (store_.revision() == before) return;
    changed_ = true;
    refresh();
    emit datesChanged();
}

void OwnDateDialog::openEditor(bool new_date) {
    if (store_.read_only()) return;
    lblFehler->hide();
    std::optional<od::OwnDate> existing;
    if (!new_date) {
        const QListWidgetItem* item = lstTermine->currentItem();
        const od::OwnDate* date = item ? find_date(store_, item->data(Qt::UserRole).toString()) : nullptr;
        if (date == nullptr) return;
        existing = *date;
    }
    auto* editor = new OwnDateEditor(store_, day_, std::move(existing), options_.leap_day, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    const std::uint64_t before = store_.revision();
    connect(editor, &QDialog::finished, this, [this, editor, before] {
        if (editor->leapDayRule() != options_.leap_day) {
            options_.leap_day = editor->leapDayRule();
            changed_ = true;
            refresh();
            emit datesChanged();
            return;
        }
        noteRevision(before);
    });
    // Not exec(): no second event loop runs while the store is in use.
    editor->open();
}

void OwnDateDialog::removeSelected() {
    const QListWidgetItem* item = lstTermine->currentItem();
    if (item == nullptr || store_.read_only()) return;
    const QString uid = item->data(Qt::UserRole).toString();
    const od::OwnDate* date = find_date(store_, uid);
    if (date == nullptr) return;
    lblFehler->hide();
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Termin löschen"),
                                QStringLiteral("„%1“ löschen?").arg(QString::fromStdString(date->title)),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("dlgLoeschen"));
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Löschen"));
    box->button(QMessageBox::No)->setText(QStringLiteral("Behalten"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, uid] {
        if (box->clickedButton() != box->button(QMessageBox::Yes)) return;
        const std::uint64_t before = store_.revision();
        const od::Change change = store_.remove(uid.toStdString());
        if (!change.ok) {
            lblFehler->setText(QString::fromStdString(change.message));
            lblFehler->show();
        }
        noteRevision(before);
    });
    box->open();
}
