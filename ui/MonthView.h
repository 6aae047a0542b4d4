// picMonat: draws one month as a grid of days with holiday and moon marks.
// It knows no engine; the window hands it what to draw.
#pragma once

#include <QWidget>
#include <array>

#include "ui/legend_entries.h"
#include "ui/month_colours.h"

// In the order of vespera::report::MoonPhase.
enum class MoonDisc { None, New, FirstQuarter, Full, LastQuarter };

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
    bool opposition = false; // a planet in opposition to the Sun
    bool own_date = false;   // one of the user's own dates falls on it
    // The phase whose instant falls on the day, drawn as the Moon looks at
    // local noon: its lit part and on which side it is lit.
    MoonDisc moon = MoonDisc::None;
    double moon_lit_fraction = 0.0;
    bool moon_waxing = false;
};

struct MonthModel {
    int first_weekday = 0; // 0 = Monday
    int days = 0;          // 28..31
    int today = 0;         // day of this month that is today, 0 when none
    int selected = 0;      // the selected day, 0 when none
    int year = 0;
    QString month_name;
    bool southern_sky = false; // seen from south of the equator: the waxing Moon lit on the left
    std::array<QString, 7> weekday_names;
    std::array<int, 6> week_numbers{};  // ISO 8601, by row
    std::array<MonthMarks, 32> marks{}; // by day 1..31
    std::array<QString, 32> names;      // the first named day, by day
    std::array<QString, 32> own_names;  // the first own date, by day
    std::array<QString, 32> tooltips;   // each named day with its category, by day
};

// "Vollmond", "Erstes Viertel" ...; empty for none.
QString moon_disc_name(MoonDisc disc);

// The Moon as a disc lit by `fraction` (0..1), the lit limb on the right when
// `lit_right`. Shared with the legend.
void draw_moon_disc(class QPainter& painter, QPointF centre, double radius, double fraction, bool lit_right,
                    const MonthColours& colours);
// The sign of opposition, two small rings joined across `radius` of
// `centre`. Shared with the legend.
void draw_opposition_sign(class QPainter& painter, QPointF centre, double radius, const MonthColours& colours);
// A legend's moon sample (full, new, quarter, Blue Moon in its ring of
// `ring_width`), on screen and on paper alike; false for any other sample.
bool draw_moon_sample(class QPainter& painter, LegendSample sample, QPointF centre, double radius,
                      double ring_width, const MonthColours& colours);

class MonthView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeadingHeight = 20; // the least; a big grid gets a taller strip

    explicit MonthView(QWidget* parent = nullptr);

    void setModel(const MonthModel& model);
    const MonthModel& model() const { return model_; }

    // The day under a point, 0 for an empty cell, the heading strip or the week column.
    int dayAt(QPoint position) const;
    QRect cellRect(int day) const;
    int headingHeight() const;
    int weekColumnWidth() const;
    // "Dienstag, 15. Juli 2025, Mariä Himmelfahrt, gesetzlicher Feiertag, Vollmond"
    QString dayDescription(int day) const;

signals:
    void dayPressed(int day);
    // A day's context menu asked for (right click, the menu key, Shift+F10).
    void dayMenu(int day, QPoint global_position);
    // Whole wheel notches: positive towards the user (later months).
    void monthWheel(int months);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct DayLook; // the fonts and sizes every cell shares

    double columnWidth() const;
    double rowHeight() const;
    QFont headingFont() const;

    // The picture's layers, bottom to top.
    void paintHeadings(QPainter& painter, const MonthColours& colours) const;
    void paintWeekColumn(QPainter& painter, const MonthColours& colours) const;
    void paintGrid(QPainter& painter, const MonthColours& colours) const;
    void paintDay(QPainter& painter, const MonthColours& colours, const DayLook& look, int day) const;
    void paintFrames(QPainter& painter, const MonthColours& colours) const;

    MonthModel model_;
    int wheel_angle_ = 0; // eighths of a degree not yet turned into months
};
