// picMonat: draws one month as a grid of days with holiday and moon marks.
// It knows no engine; the window hands it what to draw.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>

struct MonthMarks {
    bool holiday = false;   // any named day
    bool statutory = false; // a statutory holiday of the region: red, as a Sunday
    bool regional = false;  // statutory in part of the region only
    bool sunday = false;
    bool school_holiday = false;
    bool full_moon = false;
    bool blue_moon = false;
    bool new_moon = false;
    bool solar_eclipse = false;
    bool lunar_eclipse = false;
};

struct MonthModel {
    int first_weekday = 0; // 0 = Monday
    int days = 0;          // 28..31
    int today = 0;         // day of this month that is today, 0 when none
    int selected = 0;      // the selected day, 0 when none
    std::array<QString, 7> weekday_names;
    std::array<MonthMarks, 32> marks{}; // by day 1..31
    std::array<QString, 32> tooltips;   // each named day with its category, by day
};

// The marks' colours, shared with the legend.
namespace month_colours {
QColor statutory();      // Sundays and statutory holidays, as German wall calendars
QColor regional();
QColor named_day();      // the quieter dot of other named days
QColor school_holiday(); // the cell's ground
QColor full_moon();
QColor new_moon();
QColor background();
} // namespace month_colours

class MonthView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeadingHeight = 20;

    explicit MonthView(QWidget* parent = nullptr);

    void setModel(const MonthModel& model);
    const MonthModel& model() const { return model_; }

    // The day under a point, 0 for an empty cell or the heading strip.
    int dayAt(QPoint position) const;
    QRect cellRect(int day) const;

signals:
    void dayPressed(int day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int columnWidth() const;
    int rowHeight() const;

    MonthModel model_;
};
