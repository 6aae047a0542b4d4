#include "ui/wrapping_grid.h"

#include <QStyle>
#include <QWidget>
#include <algorithm>

WrappingGrid::WrappingGrid(int max_columns, QWidget* parent) : QLayout(parent), max_columns_(std::max(1, max_columns)) {}

WrappingGrid::~WrappingGrid() {
    for (QLayoutItem* item : items_) delete item;
}

void WrappingGrid::addItem(QLayoutItem* item) {
    items_.push_back(item);
    invalidate();
}

int WrappingGrid::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* WrappingGrid::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* WrappingGrid::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    invalidate();
    return item;
}

int WrappingGrid::gap() const {
    if (spacing() >= 0) return spacing();
    const QWidget* owner = parentWidget();
    const int metric = owner ? owner->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, owner) : -1;
    return metric >= 0 ? metric : 6;
}

// Every cell as large as the largest item wants: the captions never clip.
QSize WrappingGrid::cellSize() const {
    QSize cell(0, 0);
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) cell = cell.expandedTo(item->sizeHint().expandedTo(item->minimumSize()));
    }
    return cell;
}

int WrappingGrid::tightCellWidth() const {
    int width = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QWidget* widget = item->widget();
        const int least = widget != nullptr && widget->minimumWidth() > 0 ? widget->minimumWidth() : item->sizeHint().width();
        width = std::max(width, least);
    }
    return width;
}

int WrappingGrid::rowsOf(int columns) const {
    const int shown = static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const QLayoutItem* item) {
        return !item->isEmpty();
    }));
    return columns > 0 ? (shown + columns - 1) / columns : 0;
}

int WrappingGrid::columnsFor(int width) const {
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right();
    // Two narrow columns read better than one long one: the cells give up
    // their padding before a column is lost.
    const int cell = std::max(1, tightCellWidth());
    const int shown = static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const QLayoutItem* item) {
        return !item->isEmpty();
    }));
    if (shown == 0) return 1;
    const int fit = std::clamp((inner + gap()) / (cell + gap()), 1, std::min(max_columns_, shown));
    // As few columns as give the same number of rows: 3 + 3 + 3, not 4 + 4 + 1.
    const int rows = (shown + fit - 1) / fit;
    return (shown + rows - 1) / rows;
}

int WrappingGrid::heightForWidth(int width) const {
    const int rows = rowsOf(columnsFor(width));
    const QMargins margins = contentsMargins();
    return margins.top() + margins.bottom() + (rows > 0 ? rows * cellSize().height() + (rows - 1) * gap() : 0);
}

QSize WrappingGrid::sizeHint() const {
    const QMargins margins = contentsMargins();
    const QSize cell = cellSize();
    const int columns = std::min(max_columns_, std::max(1, count()));
    const int width = margins.left() + margins.right() + columns * cell.width() + (columns - 1) * gap();
    return {width, heightForWidth(width)};
}

QSize WrappingGrid::minimumSize() const {
    const QMargins margins = contentsMargins();
    const QSize cell = cellSize();
    const int width = margins.left() + margins.right() + cell.width();
    return {width, heightForWidth(width)};
}

void WrappingGrid::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect inner = rect.marginsRemoved(contentsMargins());
    const int columns = columnsFor(rect.width());
    const int cell_height = cellSize().height();
    // The cells share the whole width.
    const int cell_width = std::max(1, (inner.width() - (columns - 1) * gap()) / columns);
    int slot = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const int row = slot / columns;
        const int column = slot % columns;
        item->setGeometry(QRect(inner.left() + column * (cell_width + gap()), inner.top() + row * (cell_height + gap()),
                                cell_width, cell_height));
        ++slot;
    }
}
