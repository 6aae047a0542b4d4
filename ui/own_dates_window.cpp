// The window's side of the user's own dates: the store in the settings
// folder, their calendar on the place's clock, the list's filter and the
// status line's words for today.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "ephemeris/calendar.h"
#include "ui/frmKalender.h"
#include "ui/settings_store.h"

namespace od = vespera::own_dates;

od::OwnDateStore& frmKalender::ownDateStore() {
    if (!own_store_) {
        const std::filesystem::path folder = vespera::ui::settings_folder().toStdString();
        own_store_.emplace(folder / od::kStoreFileName, od::program_store_files());
        leap_day_ = vespera::ui::read_stored_leap_day_rule();
    }
    return *own_store_;
}

vespera::report::OwnDateCalendar& frmKalender::ownDates() {
    od::OwnDateStore& store = ownDateStore();
    const QString clock = (place_zone_ ? QString::fromStdString(place_zone_->name()) : QString()) + QLatin1Char('|') +
                          QString::number(zone_offset_hours_) + QLatin1Char('|') +
                          QString::number(static_cast<int>(leap_day_));
    if (!own_calendar_ || own_calendar_revision_ != store.revision() || own_calendar_clock_ != clock) {
        const vespera::Zone zone = place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_);
        own_calendar_.emplace(store.dates(), store.timezones(), zone, leap_day_);
        own_calendar_revision_ = store.revision();
        own_calendar_clock_ = clock;
    }
    return *own_calendar_;
}

void frmKalender::ownDatesChanged() {
    showMonthOfEngine();
    const od::OwnDateStore& store = ownDateStore();
    // In the status line, not a box: at start, nothing asked for it.
    if (store.read_only()) {
        lblStatus->setText(QString::fromStdString(store.problem()));
        return;
    }
    const QString today = QString::fromStdString(
        vespera::report::today_text(ownDates().between(today_day_number_, today_day_number_)));
    if (!today.isEmpty()) lblStatus->setText(today);
}

QWidget* frmKalender::buildOwnDateFilter() {
    picTermine = new QWidget(this);
    picTermine->setObjectName("picTermine");
    auto* row = new QHBoxLayout(picTermine);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Welche Termine:"), picTermine);
    cmbTerminArt = new QComboBox(picTermine);
    cmbTerminArt->setObjectName("cmbTerminArt");
    cmbTerminArt->setAccessibleName(QStringLiteral("Art der Termine"));
    cmbTerminArt->setToolTip(QStringLiteral("Welche eigenen Termine die Liste zeigt"));
    cmbTerminArt->addItem(QStringLiteral("alle"), -1);
    cmbTerminArt->addItem(QStringLiteral("Geburtstage"), static_cast<int>(od::Kind::geburtstag));
    cmbTerminArt->addItem(QStringLiteral("Jahrestage"), static_cast<int>(od::Kind::jahrestag));
    cmbTerminArt->addItem(QStringLiteral("Termine"), static_cast<int>(od::Kind::termin));
    label->setBuddy(cmbTerminArt);
    cmdTermineImport = new QPushButton(QStringLiteral("Termine im&portieren \u2026"), picTermine);
    cmdTermineImport->setObjectName("cmdTermineImport");
    cmdTermineImport->setAccessibleName(QStringLiteral("Termine importieren"));
    cmdTermineImport->setToolTip(
        QStringLiteral("Geburtstage und Termine aus einer iCalendar-Datei (.ics) oder einem Adressbuch (.vcf) "
                       "übernehmen"));
    // The selected day's dialog; Strg+T and a day's context menu open it
    // from anywhere in the window.
    cmdTermin = new QPushButton(QStringLiteral("Termin \u2026"), picTermine);
    cmdTermin->setObjectName("cmdTermin");
    cmdTermin->setAccessibleName(QStringLiteral("Termin"));
    cmdTermin->setToolTip(QStringLiteral("Eigene Termine des gewählten Tages ansehen, anlegen, ändern (Strg+T)"));
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(shortcut, &QShortcut::activated, this, [this] { cmdTermin_Click(); });
    row->addWidget(label);
    row->addWidget(cmbTerminArt);
    row->addStretch(1);
    row->addWidget(cmdTermin);
    row->addWidget(cmdTermineImport);
    connect(cmbTerminArt, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int kind = cmbTerminArt->itemData(index).toInt();
        own_kind_filter_ = kind < 0 ? std::nullopt : std::optional<od::Kind>(static_cast<od::Kind>(kind));
        list_scroll_position_ = 0;
        ZeigeInfo();
    });
    connect(cmdTermineImport, &QPushButton::clicked, this, [this] { cmdTermineImport_Click(); });
    picTermine->hide();
    return picTermine;
}
