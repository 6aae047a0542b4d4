// picLegende: what the month view's marks mean, in one or two lines under it.
#pragma once

#include <QWidget>

class MonthLegend : public QWidget {
    Q_OBJECT

public:
    explicit MonthLegend(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Lays the entries out in `width`; paints them when a painter is given.
    int layout(int width, class QPainter* painter) const;
};
