// frmKalender: the program's one window. It owns the calendar engine, sets
// its properties from the user's choices and shows what it returns.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <climits>
#include <functional>
#include <memory>
#include <optional>

#include "base/safe_file.h"
#include "engine/clsCalendar.h"
#include "report/holiday_categories.h"
#include "report/report.h"
#include "report/month_grid.h"
#include "report/sky_samples.h"
#include "report/own_date_rows.h"
#include "own_dates/store.h"
#include "places/place_search.h"
#include "ui/export_dialog.h"
#include "ui/place_clock.h"
#include "ui/printed_documents.h"

class DayLengthChart;
class InfoPanel;
class MonthLegend;
class MonthView;
class PlaceBox;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QAction;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSplitter;
class QTimer;
class SkyChart;

class frmKalender : public QWidget {
    Q_OBJECT

public:
    // The present instant (the computer's clock, read as UTC); tests inject a
    // fixed one. The window shows it on the chosen place's clock.
    using Now = std::function<QDateTime()>;
    // Shows a message box (OK button, no title); tests record instead.
    using MessageSink = std::function<void(const QString&)>;
    // The export dialog: the proposal in, the user's choice out (nullopt:
    // cancelled). Tests answer in its place, as with the two below.
    using ExportChooser = std::function<std::optional<ExportRequest>(const ExportRequest& proposal)>;
    // A yes/no question ("replace the file?").
    using Question = std::function<bool(const QString&)>;
    // The .ics file to import; empty when cancelled.
    using FileChooser = std::function<QString()>;

    enum Report {
        DayReport = 0, OtherCalendars, DateDifference, Holidays, FullMoons, NewMoons, Seasons, About, Eclipses,
        SkyEvents, OwnDates
    };
    static constexpr int kReportCount = 11;

    explicit frmKalender(Now now = {}, MessageSink messages = {}, QWidget* parent = nullptr);
    ~frmKalender() override;

    clsCalendar& engine() { return *engine_; }
    bool isLoaded() const { return loaded_; }
    double placeLongitude() const { return longitude_deg_; }
    double placeLatitude() const { return latitude_deg_; }
    double placeZoneOffset() const { return zone_offset_hours_; }
    QString placeZone() const { return zone_name_; }
    QString placeName() const { return city_; }
    // ISO 3166-2 ("DE-BY", "AT-9", "CH-ZH"), or "DE", "AT", "CH"; empty
    // outside those countries and for a place entered by hand.
    QString placeRegion() const { return region_; }
    // The region whose holidays and school holidays are shown: the one the
    // user chose beside the place, else the place's; empty for none.
    QString holidayRegion() const { return holiday_region_choice_ ? *holiday_region_choice_ : region_; }
    // As a pick in the region box: a code of base/regions.h, or empty for none.
    void chooseHolidayRegion(const QString& code);
    vespera::report::CategorySet listCategories() const { return list_categories_; }
    int selectedDay() const { return selected_day_; }
    int selectedMonth() const { return selected_month_; }
    int selectedYear() const { return selected_year_; }
    int listScrollPosition() const { return list_scroll_position_; }
    Report currentReport() const { return report_; }

    // The user's own dates (termine.ics in the settings folder): read once
    // the window is on the screen, or at the first call.
    vespera::own_dates::OwnDateStore& ownDateStore();
    // The store's dates on the place's clock, built again after a change.
    vespera::report::OwnDateCalendar& ownDates();
    // Before the window is on the screen the month and the day report go
    // without them: reading a large file must not hold up the first picture.
    bool ownDatesShown() const { return own_store_.has_value() || painted_; }
    // After the store changed: month, report and the status line again.
    void ownDatesChanged();
    // The dialog for the selected day (the "Termin …" button, a day's menu).
    void cmdTermin_Click();
    void cmdTermineImport_Click();

    // The month grid and the report, as the user's actions trigger them.
    void ZeichneMonat(std::int32_t month, std::int32_t year);
    void ZeigeInfo();
    void drawInfo();

    // One tick of the live display (Timer1 calls it every second).
    void Timer1_Timer();

    // A place found by the search or entered by hand, taken as a pick in the
    // city box takes it: engine, stored settings, month and report.
    void choosePlace(const vespera::Place& place);

    // The folder the export dialog proposes: the first writable one of the
    // list; by default the user's documents folder.
    void setExportFolders(QStringList folders) { export_folders_ = std::move(folders); }
    void setExportChooser(ExportChooser chooser) { export_chooser_ = std::move(chooser); }
    void setQuestion(Question question) { question_ = std::move(question); }
    void setImportChooser(FileChooser chooser) { import_chooser_ = std::move(chooser); }
    // Runs when the export's content is written and before it takes its
    // name; tests make the name appear there.
    void setExportCommitHook(std::function<void()> hook) { export_commit_hook_ = std::move(hook); }
    // A failing disk for tests: every file the window writes (settings,
    // PDF, export, imported holidays) goes through these.
    void setFileWriteSeams(vespera::WriteSeams seams) { file_seams_ = std::move(seams); }
    // The file of the last successful export, empty when none.
    QString lastExportPath() const { return last_export_path_; }

    // What the visible view shows as text: the report, the difference
    // sentence or the about texts; empty when it shows nothing.
    QString visibleText() const;
    // Ctrl+C: the visible view's text onto the clipboard, never an empty one.
    void copyVisibleText() const;

    // The dialogs of print and PDF; tests answer them without a display. The
    // path dialog returns the chosen file, empty when cancelled (it has asked
    // before naming an existing file); the print dialog sets up the printer
    // and returns false when cancelled.
    using PdfPathDialog = std::function<QString(const QString& suggested_path)>;
    using PrintDialog = std::function<bool(QPrinter& printer)>;
    void setPrintDialogs(PdfPathDialog pdf_path, PrintDialog print);
    // "Drucken …" and "Als PDF speichern …" of the month, the shown report
    // or list, and the year's sunrise table.
    void printDocument(vespera::ui::PrintedDocument document);
    void saveDocumentAsPdf(vespera::ui::PrintedDocument document);

    // The year field's state: true while it holds text that is no year.
    bool yearFieldInvalid() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // start-up and place (frmKalender.cpp)
    void buildControls();
    // One pane each; buildControls calls them in the order of the Tab chain.
    QWidget* buildMonthPane();
    QHBoxLayout* buildPlaceBar();
    QWidget* buildReportPane();
    QWidget* buildListFilter();
    // In a pane too narrow for two columns of report buttons, one box
    // chooses the report instead of eleven rows of buttons.
    QWidget* buildReportChoice();
    void fitReportChoice();
    QWidget* buildOwnDateFilter();
    void buildDifferencePanel();
    void buildAboutPanel();
    void layOutWindow(QWidget* month_pane, QWidget* report_pane, QHBoxLayout* place_bar);
    void connectControls();
    void Form_Load();
    void ReadRegSettings();
    void cmbOrt_Click();
    void applyChosenPlace();
    void openCustomPlace();
    QString placeDescription() const;
    // A note about the stored place in the status line; an empty one clears
    // the previous note (and only that).
    void showPlaceNote(const QString& text);
    void showMessage(const QString& text);
    // The chosen place's zone into the engine, and today on the place's clock.
    void applyPlaceZone();
    vespera::ui::PlaceClock placeNow() const;
    // The size, place and split of the last session; without them a size
    // that fits the screen. Qt puts a frame off every screen back on one.
    void restoreWindow(const QByteArray& geometry, const QByteArray& split);
    // Stores size, place, split and report; closing the window does it.
    // Returns the German reason when that failed.
    QString saveWindow() const;

    // the region of the holidays (holiday_region.cpp)
    void fillRegionBox();
    void fillListChoices();
    void cmbRegion_Click(int index);
    void applyHolidayRegion();
    void cmbKategorie_Click(int index);
    void cmdFerienImport_Click();
    bool askYesNo(const QString& text);

    // month view and navigation (navigation.cpp)
    void cmdAendern_Click(int index);
    void cmdHeute_Click();
    void txtJahr_Change();
    // Enter or leaving the field: a year is shown, other text marked (Enter)
    // or put back (leaving); Esc puts the shown year back.
    void commitYear(bool leaving = false);
    void revertYear();
    void markYear(bool invalid);
    static QString yearHint();
    // Arrows, Page Up/Down and Home as the grid takes them; false for other keys.
    bool navigationKey(int key);
    // The year field's Enter, Esc and leaving, and the keys of the grid and
    // the report; true when the event is used up.
    bool navigationFilter(QObject* watched, QEvent* event);
    // The panels of a report button, without building the report.
    void showReportPanel(int index);
    void picMonat_DayPressed(int day);
    void cmdDaten_Click(int index);
    void ucScrollbar1_Change(int value);
    void picInfo_Wheel(int direction);
    // The list's last scroll position that still fills the panel with whole rows.
    int lastListPosition() const;
    // Whether the shown report has its scroll bar: the holiday list always,
    // another report when its rows do not fit the panel.
    bool reportScrolls() const;
    void moveSelection(std::int32_t days);
    void showMonthOfEngine();
    void selectDay(std::int32_t day);

    // the sky of the selected day and the year's day lengths (sky_charts.cpp)
    void showSky();
    void drawSky();
    // The chart's mark of the present instant, moved as the clock runs.
    void showSkyNow(double now_jd_ut);

    // export and date difference (export_ical.cpp, date_difference.cpp)
    void cmdExport_Click();
    void cmdDiff_Click(int index);
    void cmdBerechnen_Click();

    // reports (report_panel.cpp): built by report/, drawn here
    void showReport(const vespera::report::Report& report, std::size_t first_row = 0);
    // The report of the pressed button; none for the date difference and about.
    std::optional<vespera::report::Report> shownReport();
    std::string placeHeading() const;
    vespera::report::ClockTime reportTime() const;

    // print and PDF (print_commands.cpp)
    struct PrintJob;
    void buildPrintMenu();
    void updatePrintMenu();
    std::optional<PrintJob> printJob(vespera::ui::PrintedDocument document);

    Now now_;
    MessageSink messages_;
    std::unique_ptr<clsCalendar> engine_;

    // The chosen place.
    double longitude_deg_ = 0.0;
    double latitude_deg_ = 0.0;
    double zone_offset_hours_ = 0.0;
    QString zone_name_; // IANA; empty: the offset with the German summer-time rules
    QString city_;
    QString region_;
    QString commune_key_; // the place's official commune code, for the days communes keep
    std::optional<QString> holiday_region_choice_; // nullopt: the place's region
    std::optional<vespera::Zone> place_zone_;
    QString place_note_;

    std::int32_t today_day_ = 0;
    std::int32_t today_month_ = 0;
    std::int32_t today_year_ = 0;
    std::int32_t today_day_number_ = 0;
    std::int32_t selected_day_ = 0;
    std::int32_t selected_month_ = 0;
    std::int32_t selected_year_ = 0;

    bool loaded_ = false;
    bool year_edit_enabled_ = false;
    bool wheel_supported_ = false;
    std::int32_t list_scroll_position_ = 0;
    std::int32_t list_rows_ = 0;        // rows of the shown report, its heading left out
    // Showing or hiding the scroll bar resizes the panel, whose handler asks
    // for the report again while it is being drawn: that asks once more
    // afterwards instead of drawing the rows twice.
    bool drawing_report_ = false;
    bool report_asked_again_ = false;
    std::int32_t list_year_ = INT32_MIN; // the year the list was scrolled in
    vespera::report::CategorySet list_categories_ = vespera::report::kStatutoryDays;
    Report report_ = DayReport;
    vespera::report::YearDayLengths day_lengths_;
    QTimer* sky_timer_ = nullptr; // the charts after the first picture
    bool painted_ = false;
    bool sky_pending_ = false;
    vespera::report::YearSkyDays year_sky_;
    QString sky_key_; // the day and place the chart shows
    vespera::report::SkyDay sky_day_;

    std::optional<vespera::own_dates::OwnDateStore> own_store_;
    std::optional<vespera::report::OwnDateCalendar> own_calendar_;
    std::uint64_t own_calendar_revision_ = 0;
    QString own_calendar_clock_; // the zone and rule the calendar was built for
    vespera::own_dates::LeapDayRule leap_day_ = vespera::own_dates::LeapDayRule::february_28;
    std::optional<vespera::own_dates::Kind> own_kind_filter_;

    // Where the day report drew the rows that the live display refreshes.
    int moon_phase_row_ = -1;
    int sun_altitude_row_ = -1;

    // Controls, named as the window's object names.
    PlaceBox* cmbOrt = nullptr;
    QComboBox* cmbRegion = nullptr;
    QComboBox* cmbKategorie = nullptr;
    QComboBox* cmbBericht = nullptr;
    QWidget* picRechts = nullptr;
    QPushButton* cmdFerienImport = nullptr;
    QWidget* picListe = nullptr; // the list's filter and import, above the panel
    QWidget* picTermine = nullptr; // the own dates' filter and import, above their list
    QComboBox* cmbTerminArt = nullptr;
    QPushButton* cmdTermin = nullptr;
    QPushButton* cmdTermineImport = nullptr;
    MonthLegend* picLegende = nullptr;
    QLineEdit* txtJahr = nullptr;
    QAction* actJahrUngueltig = nullptr; // the warning sign in txtJahr
    QLabel* lblMonat = nullptr;
    MonthView* picMonat = nullptr;
    SkyChart* picHimmel = nullptr;
    DayLengthChart* picTageslaenge = nullptr;
    InfoPanel* picInfo = nullptr;
    QSplitter* splKalender = nullptr; // month | report
    QScrollArea* scrBericht = nullptr; // the report side, scrolled when small
    std::array<QPushButton*, kReportCount> cmdDaten{};
    std::array<QPushButton*, 4> cmdAendern{};
    QPushButton* cmdHeute = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdDrucken = nullptr;
    QMenu* mnuDrucken = nullptr;
    std::array<QMenu*, 4> print_submenus_{};
    QScrollBar* ucScrollbar1 = nullptr;
    QWidget* picDifferenz = nullptr;
    QWidget* picAbout = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr; // sources and licences of the data
    QLabel* lblFerienStand = nullptr; // up to when each region's school holidays are known
    QLabel* lblZeit = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<QLineEdit*, 2> txtDatum{};
    std::array<QPushButton*, 2> cmdDiff{};
    QPushButton* cmdBerechnen = nullptr;
    QLabel* lblDatumsDifferenz = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblStatus = nullptr;

    QStringList export_folders_;
    QString last_export_path_;
    PdfPathDialog pdf_path_dialog_;
    PrintDialog print_dialog_;
    QString pdf_folder_; // where the last PDF went; the next one is suggested there
    ExportChooser export_chooser_;
    Question question_;
    FileChooser import_chooser_;
    std::function<void()> export_commit_hook_;
    vespera::WriteSeams file_seams_;
};
