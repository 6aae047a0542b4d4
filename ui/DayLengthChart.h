// picTageslaenge: the hours of daylight over the selected year at the place,
// with the selected day marked.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

class DayLengthChart : public QWidget {
    Q_OBJECT

public:
    explicit DayLengthChart(QWidget* parent = nullptr);

    // `hours`: every day of the year, 1 January first; `selected`: index of
    // the selected day in it, whose length `selected_hours` is as the day
    // report counts it.
    void setYear(int year, const std::vector<double>& hours, int selected, double selected_hours);
    // "Tageslänge 2025: am 21. Juni 16:50 Stunden; längster Tag ..."
    QString summary() const;
    const std::vector<double>& hours() const { return hours_; }

    QSize sizeHint() const override { return {170, 104}; }
    QSize minimumSizeHint() const override { return {96, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF plotRect() const;
    // The year's curve and axes, which a new selected day leaves as they are.
    void paintYear(QPainter& painter) const;
    QPixmap year_picture_;
    bool year_picture_stale_ = true;

    int year_ = 0;
    std::vector<double> hours_;
    int selected_ = -1;
    double selected_hours_ = 0.0;
};
