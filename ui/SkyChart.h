// picHimmel: the Sun's and the Moon's altitude over the selected day at the
// place, over the twilight bands, with a mark at the present instant when
// the day is today.
#pragma once

#include <QWidget>
#include <optional>

#include "report/sky_samples.h"

class SkyChart : public QWidget {
    Q_OBJECT

public:
    explicit SkyChart(QWidget* parent = nullptr);

    // `now_hours`: the present instant in hours after the day's midnight,
    // when it falls on the day.
    void setDay(const vespera::report::SkyDay& day, std::optional<double> now_hours);
    void setNow(std::optional<double> now_hours);
    const vespera::report::SkyDay& day() const { return day_; }
    // "Sonnenhöhe im Tagesverlauf: Höchststand 61° um 13:08 Uhr; ..."
    QString summary() const;

    QSize sizeHint() const override { return {260, 104}; }
    QSize minimumSizeHint() const override { return {140, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF plotRect() const;
    double lowest_deg() const;
    double highest_deg() const;

    vespera::report::SkyDay day_;
    std::optional<double> now_hours_;
};
