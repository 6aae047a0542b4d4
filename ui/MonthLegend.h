// picLegende: what the month view's marks mean, in one or two lines under it.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

class MonthLegend : public QWidget {
    Q_OBJECT

public:
    explicit MonthLegend(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    // Up to when the place's school holidays are known, beside their sample:
    // "bekannt bis 5.1.2029".
    void setSchoolHolidayNote(const QString& note);
    // In a short window the legend keeps to `lines` lines (0: all it needs)
    // and ends in "… mehr"; the tooltip always lists every entry.
    void setMaximumLines(int lines);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The legend changes only with size, palette and font: painted once
    // into a picture, not again with every month.
    QPixmap picture_;
    bool picture_stale_ = true;

    // Lays the entries out in `width`; paints them when a painter is given.
    int layout(int width, class QPainter* painter) const;
    // Each entry's text width at the widget's font, measured once: layouts
    // ask heightForWidth many times while the window settles.
    const std::vector<int>& textWidths() const;
    mutable std::vector<int> text_widths_;
    QString school_note_;
    int maximum_lines_ = 0;
    QString entryText(std::size_t index) const;
    void updateToolTip();
};
