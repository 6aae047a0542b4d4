#include "ui/frmKalender.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "engine/city_table.h"
#include "engine/date_math.h"
#include "ui/locale_numbers.h"
#include "ui/settings_store.h"

namespace {

constexpr int kMinimumWidth = 900;
constexpr int kMinimumHeight = 600;

const char* const kReportCaptions[8] = {"Daten",     "andere Kalender", "Datumsdifferenz", "Feiertage",
                                        "Vollmonde", "Neumonde",        "Jahreszeiten",    "Info über..."};

QString indexed_name(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmKalender::frmKalender(Now now, MessageSink messages, QWidget* parent)
    : QWidget(parent), now_(std::move(now)), messages_(std::move(messages)) {
    if (!now_) now_ = [] { return QDateTime::currentDateTimeUtc(); };
    buildControls();
    Form_Load();
}

frmKalender::~frmKalender() = default;

void frmKalender::showMessage(const QString& text) {
    if (messages_) {
        messages_(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, this);
    box.exec();
}

void frmKalender::buildControls() {
    setObjectName("frmKalender");

    // Left: navigation, the month grid, the place and the clock.
    auto* left = new QVBoxLayout;
    auto* navigation = new QHBoxLayout;
    const char* const arrows[4] = {"<", ">", "<", ">"};
    for (int i = 0; i < 4; ++i) {
        cmdAendern[static_cast<std::size_t>(i)] = new QPushButton(QString::fromLatin1(arrows[i]), this);
        cmdAendern[static_cast<std::size_t>(i)]->setObjectName(indexed_name("cmdAendern", i));
        cmdAendern[static_cast<std::size_t>(i)]->setFixedWidth(28);
    }
    lblMonat = new QLabel(this);
    lblMonat->setObjectName("lblMonat");
    lblMonat->setAlignment(Qt::AlignCenter);
    lblMonat->setMinimumWidth(100);
    QFont month_font = lblMonat->font();
    month_font.setBold(true);
    lblMonat->setFont(month_font);
    txtJahr = new QLineEdit(this);
    txtJahr->setObjectName("txtJahr");
    txtJahr->setMaximumWidth(70);
    txtJahr->setAlignment(Qt::AlignCenter);
    cmdHeute = new QPushButton(QStringLiteral("Heute"), this);
    cmdHeute->setObjectName("cmdHeute");
    navigation->addWidget(cmdAendern[0]);
    navigation->addWidget(lblMonat);
    navigation->addWidget(cmdAendern[1]);
    navigation->addSpacing(12);
    navigation->addWidget(cmdAendern[2]);
    navigation->addWidget(txtJahr);
    navigation->addWidget(cmdAendern[3]);
    navigation->addStretch(1);
    navigation->addWidget(cmdHeute);
    left->addLayout(navigation);

    picMonat = new MonthView(this);
    picMonat->setFocusPolicy(Qt::StrongFocus);
    left->addWidget(picMonat, 1);

    auto* place = new QHBoxLayout;
    cmbOrt = new QComboBox(this);
    cmbOrt->setObjectName("cmbOrt");
    cmbOrt->setMaxVisibleItems(20);
    lblZeit = new QLabel(this);
    lblZeit->setObjectName("lblZeit");
    Check1 = new QCheckBox(QStringLiteral("Aktuell"), this);
    Check1->setObjectName("Check1");
    cmdExport = new QPushButton(QStringLiteral("Export iCal"), this);
    cmdExport->setObjectName("cmdExport");
    place->addWidget(cmbOrt, 1);
    place->addWidget(lblZeit);
    place->addWidget(Check1);
    place->addWidget(cmdExport);
    cmdDrucken = new QPushButton(QStringLiteral("Drucken"), this);
    cmdDrucken->setObjectName("cmdDrucken");
    place->addWidget(cmdDrucken);
    buildPrintMenu();
    left->addLayout(place);

    // Right: the report buttons above the information panel.
    auto* right = new QVBoxLayout;
    auto* buttons = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kReportCaptions[i]), this);
        button->setObjectName(indexed_name("cmdDaten", i));
        button->setCheckable(true);
        buttons->addWidget(button, i / 4, i % 4);
        cmdDaten[static_cast<std::size_t>(i)] = button;
    }
    cmdDaten[0]->setChecked(true);
    right->addLayout(buttons);

    auto* panels = new QHBoxLayout;
    picInfo = new InfoPanel(this);
    ucScrollbar1 = new QScrollBar(Qt::Vertical, this);
    ucScrollbar1->setObjectName("ucScrollbar1");
    ucScrollbar1->hide();
    picDifferenz = new QWidget(this);
    picDifferenz->setObjectName("picDifferenz");
    {
        auto* grid = new QGridLayout(picDifferenz);
        Label2 = new QLabel(QStringLiteral("Erstes Datum:"), picDifferenz);
        Label2->setObjectName("Label2");
        Label3 = new QLabel(QStringLiteral("Zweites Datum:"), picDifferenz);
        Label3->setObjectName("Label3");
        for (int i = 0; i < 2; ++i) {
            auto* box = new QLineEdit(picDifferenz);
            box->setObjectName(indexed_name("txtDatum", i));
            box->setPlaceholderText(QStringLiteral("Tag.Monat.Jahr"));
            txtDatum[static_cast<std::size_t>(i)] = box;
            auto* take = new QPushButton(QStringLiteral("übernehmen"), picDifferenz);
            take->setObjectName(indexed_name("cmdDiff", i));
            take->setToolTip(QStringLiteral("ausgewähltes Datum übernehmen"));
            cmdDiff[static_cast<std::size_t>(i)] = take;
            connect(take, &QPushButton::clicked, this, [this, i] { cmdDiff_Click(i); });
        }
        cmdBerechnen = new QPushButton(QStringLiteral("Berechnen"), picDifferenz);
        cmdBerechnen->setObjectName("cmdBerechnen");
        lblDatumsDifferenz = new QLabel(picDifferenz);
        lblDatumsDifferenz->setObjectName("lblDatumsDifferenz");
        lblDatumsDifferenz->setWordWrap(true);
        grid->addWidget(Label2, 0, 0);
        grid->addWidget(txtDatum[0], 0, 1);
        grid->addWidget(cmdDiff[0], 0, 2);
        grid->addWidget(Label3, 1, 0);
        grid->addWidget(txtDatum[1], 1, 1);
        grid->addWidget(cmdDiff[1], 1, 2);
        grid->addWidget(cmdBerechnen, 2, 1);
        grid->addWidget(lblDatumsDifferenz, 3, 0, 1, 3);
        grid->setRowStretch(4, 1);
        connect(cmdBerechnen, &QPushButton::clicked, this, [this] { cmdBerechnen_Click(); });
        connect(txtDatum[1], &QLineEdit::returnPressed, this, [this] { cmdBerechnen_Click(); });
    }
    picDifferenz->hide();
    picAbout = new QWidget(this);
    picAbout->setObjectName("picAbout");
    auto* about = new QVBoxLayout(picAbout);
    Label6 = new QLabel(picAbout);
    Label6->setObjectName("Label6");
    Label5 = new QLabel(picAbout);
    Label5->setObjectName("Label5");
    Label5->setWordWrap(true);
    about->addWidget(Label6);
    about->addWidget(Label5);
    about->addStretch(1);
    picAbout->hide();
    panels->addWidget(picInfo, 1);
    panels->addWidget(picDifferenz, 1);
    panels->addWidget(picAbout, 1);
    panels->addWidget(ucScrollbar1);
    right->addLayout(panels, 1);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(columns, 1);
    main->addWidget(lblStatus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });

    connect(cmbOrt, &QComboBox::currentIndexChanged, this, [this] { cmbOrt_Click(); });
    for (int i = 0; i < 4; ++i) {
        connect(cmdAendern[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdAendern_Click(i); });
    }
    for (int i = 0; i < 8; ++i) {
        connect(cmdDaten[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdDaten_Click(i); });
    }
    connect(cmdHeute, &QPushButton::clicked, this, [this] { cmdHeute_Click(); });
    connect(txtJahr, &QLineEdit::textChanged, this, [this] { txtJahr_Change(); });
    connect(picMonat, &MonthView::dayPressed, this, [this](int day) { picMonat_DayPressed(day); });
    connect(ucScrollbar1, &QScrollBar::valueChanged, this, [this](int value) { ucScrollbar1_Change(value); });
    connect(picInfo, &InfoPanel::wheelNotches, this, [this](int direction) { picInfo_Wheel(direction); });

    // The city box, the year box and the buttons take Ctrl+C to the window
    // (copy_text.cpp), whichever of them has the focus.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void frmKalender::Form_Load() {
    // 1. Not loaded yet; Qt always reports the pointer leaving a widget.
    loaded_ = false;
    wheel_supported_ = true;
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    // 2. The city list in table order.
    {
        const QSignalBlocker quiet(cmbOrt);
        for (const vespera::City& city : vespera::cities()) {
            cmbOrt->addItem(QString::fromUtf8(city.name.data(), static_cast<qsizetype>(city.name.size())));
        }
    }

    // 3. The stored place.
    ReadRegSettings();

    // 4. Select the stored city; while not loaded this only takes the table's row.
    const int stored = cmbOrt->findText(city_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (stored >= 0) {
        {
            const QSignalBlocker quiet(cmbOrt);
            cmbOrt->setCurrentIndex(stored);
        }
        cmbOrt_Click();
    } else {
        const QSignalBlocker quiet(cmbOrt);
        cmbOrt->setCurrentIndex(-1);
    }

    // 5. The engine.
    engine_ = std::make_unique<clsCalendar>();
    engine_->setDecimalSeparator(vespera::ui::locale_decimal_separator());
    // The engine reads the clock as local time of day at its place.
    engine_->setClock([this] { return std::chrono::seconds(placeNow().time.msecsSinceStartOfDay() / 1000); });
    engine_->setErrorReporter([this](const std::string& text) { showMessage(QString::fromStdString(text)); });

    // 6. Today, on the place's clock.
    place_zone_ = vespera::ui::place_zone(zone_name_, zone_offset_hours_);
    const QDate today = placeNow().date;
    today_day_ = today.day();
    today_month_ = today.month();
    today_year_ = today.year();
    selected_day_ = today_day_;
    selected_month_ = today_month_;
    selected_year_ = today_year_;

    // 7. Place, calendar and date.
    engine_->setLongitude(longitude_deg_);
    engine_->setLatitude(latitude_deg_);
    engine_->setZeitzone_Offset(static_cast<float>(zone_offset_hours_));
    engine_->setZeitzone(zone_name_.toStdString());
    engine_->setKalender(1);
    engine_->setJahr(today_year_);
    engine_->setMonat(today_month_);
    engine_->setTag(today_day_);
    today_day_number_ = static_cast<std::int32_t>(engine_->JD());

    // 8. and 9. Month label and year box, the year box's handler held off.
    lblMonat->setText(QString::fromStdString(engine_->MonatsName(engine_->Monat())));
    year_edit_enabled_ = false;
    txtJahr->setText(QString::number(engine_->Jahr()));
    year_edit_enabled_ = true;

    // 10. The month, which also fills the information panel.
    ZeichneMonat(today_month_, today_year_);

    // 11. and 12. About panel and caption.
    Label6->setText(QStringLiteral("Version: %1.%2.%3")
                        .arg(VESPERA_VERSION_MAJOR)
                        .arg(VESPERA_VERSION_MINOR)
                        .arg(VESPERA_VERSION_PATCH));
    Label5->setText(QStringLiteral("© 2026 Vespera. Freie Software; Angaben ohne Gewähr."));
    setWindowTitle(QStringLiteral("Vespera %1.%2").arg(VESPERA_VERSION_MAJOR).arg(VESPERA_VERSION_MINOR));

    // 13.
    loaded_ = true;
    Timer1_Timer();
    Timer1->start();
}

void frmKalender::ReadRegSettings() {
    const vespera::ui::StoredPlace stored = vespera::ui::read_stored_place();
    longitude_deg_ = stored.longitude_deg;
    latitude_deg_ = stored.latitude_deg;
    zone_offset_hours_ = stored.zone_offset_hours;
    zone_name_ = stored.zone;
    city_ = stored.city;
}

vespera::ui::PlaceClock frmKalender::placeNow() const {
    return vespera::ui::place_clock(now_(), place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_));
}

void frmKalender::applyPlaceZone() {
    place_zone_ = vespera::ui::place_zone(zone_name_, zone_offset_hours_);
    // The engine rebuilds the year's tables for a new zone.
    engine_->setZeitzone(zone_name_.toStdString());
    const QDate today = placeNow().date;
    today_day_ = today.day();
    today_month_ = today.month();
    today_year_ = today.year();
    today_day_number_ = static_cast<std::int32_t>(vespera::day_number(today_year_, today_month_, today_day_));
}

void frmKalender::cmbOrt_Click() {
    const QString text = cmbOrt->currentText();
    if (const vespera::City* city = vespera::find_city(text.toStdString())) {
        longitude_deg_ = city->longitude_deg;
        latitude_deg_ = city->latitude_deg;
        zone_offset_hours_ = city->zone_offset_hours;
        zone_name_ = QString::fromUtf8(city->zone.data(), static_cast<qsizetype>(city->zone.size()));
    }
    if (!loaded_) return;
    const float previous_offset = engine_->Zeitzone_Offset();
    const std::string previous_zone = engine_->Zeitzone();
    engine_->setLongitude(longitude_deg_);
    engine_->setLatitude(latitude_deg_);
    engine_->setZeitzone_Offset(static_cast<float>(zone_offset_hours_));
    city_ = text;
    vespera::ui::write_stored_place(longitude_deg_, latitude_deg_, city_, zone_name_, engine_->DecimalSeparator());
    // The phases, season starts and clock changes are local times: a new zone
    // needs the year's tables again, and the grid's marks with them. Berlin
    // and Cape Town share the offset +1 but not the zone.
    if (engine_->Zeitzone_Offset() != previous_offset || zone_name_.toStdString() != previous_zone) {
        applyPlaceZone();
        ZeichneMonat(selected_month_, selected_year_);
    } else {
        ZeigeInfo();
    }
}
