// A grid of equal cells that takes as many columns as its width holds (up
// to a limit) and wraps the rest into rows, the rows as even as they can be:
// nine buttons stand 5 + 4 in a wide window, 3 + 3 + 3 or 2 + 2 + 2 + 2 + 1
// in a narrow one. Its height follows its width.
#pragma once

#include <QLayout>
#include <vector>

class WrappingGrid : public QLayout {
public:
    explicit WrappingGrid(int max_columns, QWidget* parent = nullptr);
    ~WrappingGrid() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // The columns a width gives (margins included).
    int columnsFor(int width) const;

private:
    QSize cellSize() const;
    // The width a cell can shrink to when the width is short: an item's own
    // least width where it sets one, else what it asks for.
    int tightCellWidth() const;
    int gap() const;
    int rowsOf(int columns) const;

    std::vector<QLayoutItem*> items_;
    int max_columns_;
};
