// frmKalender: the program's one window. It owns the calendar engine, sets
// its properties from the user's choices and shows what it returns.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "engine/clsCalendar.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

class frmKalender : public QWidget {
    Q_OBJECT

public:
    // The present local date and time; tests inject a fixed one.
    using Now = std::function<QDateTime()>;
    using MessageSink = std::function<void(const QString&)>;

    explicit frmKalender(Now now = {}, MessageSink messages = {}, QWidget* parent = nullptr);
    ~frmKalender() override;

    clsCalendar& engine() { return *engine_; }
    bool isLoaded() const { return loaded_; }
    double placeLongitude() const { return longitude_deg_; }
    double placeLatitude() const { return latitude_deg_; }
    double placeZoneOffset() const { return zone_offset_hours_; }
    QString placeName() const { return city_; }

private:
    void buildControls();
    void Form_Load();
    void ReadRegSettings();
    void cmbOrt_Click();
    void showMessage(const QString& text);

    Now now_;
    MessageSink messages_;
    std::unique_ptr<clsCalendar> engine_;

    // The chosen place.
    double longitude_deg_ = 0.0;
    double latitude_deg_ = 0.0;
    double zone_offset_hours_ = 0.0;
    QString city_;

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

    // Controls, named as the window's object names.
    QComboBox* cmbOrt = nullptr;
    QLineEdit* txtJahr = nullptr;
    QLabel* lblMonat = nullptr;
    QWidget* picMonat = nullptr;
    QWidget* picInfo = nullptr;
    std::array<QPushButton*, 8> cmdDaten{};
    std::array<QPushButton*, 4> cmdAendern{};
    QPushButton* cmdHeute = nullptr;
    QPushButton* cmdExport = nullptr;
    QScrollBar* ucScrollbar1 = nullptr;
    QWidget* picDifferenz = nullptr;
    QWidget* picAbout = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lblZeit = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer* Timer1 = nullptr;
};
