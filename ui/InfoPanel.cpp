#include "ui/InfoPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int kMargin = 10;
const QColor kHeadingText(20, 40, 90);
const QColor kHeadingRule(180, 190, 210);
const QColor kLabelText(70, 70, 70);
const QColor kValueText(0, 0, 0);

} // namespace

InfoPanel::InfoPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("picInfo");
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(420, 400);
}

void InfoPanel::clear() {
    rows_.clear();
    update();
}

int InfoPanel::AddHeading(const QString& text) {
    rows_.push_back({true, text, {}});
    update();
    return static_cast<int>(rows_.size()) - 1;
}

int InfoPanel::AddLine(const QString& label, const QString& value) {
    rows_.push_back({false, label, value});
    update();
    return static_cast<int>(rows_.size()) - 1;
}

void InfoPanel::setRowValue(int index, const QString& value) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<std::size_t>(index)].value = value;
    const int top = kMargin + index * rowHeight();
    update(QRect(0, top, width(), rowHeight()));
}

QString InfoPanel::text() const {
    QStringList lines;
    for (const Row& row : rows_) lines << (row.heading ? row.label : row.label + '\t' + row.value);
    return lines.join('\n') + (lines.isEmpty() ? "" : "\n");
}

void InfoPanel::copyToClipboard() const {
    // An empty panel leaves the clipboard as it was.
    const QString shown = text();
    if (!shown.isEmpty()) QApplication::clipboard()->setText(shown);
}

int InfoPanel::rowHeight() const { return fontMetrics().height() + 4; }

int InfoPanel::valueColumn() const {
    int widest = 0;
    for (const Row& row : rows_) {
        if (!row.heading) widest = std::max(widest, fontMetrics().horizontalAdvance(row.label));
    }
    return kMargin + std::min(widest + 16, width() / 2);
}

void InfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int height_per_row = rowHeight();
    const int value_x = valueColumn();
    QFont heading_font = font();
    heading_font.setBold(true);
    int top = kMargin;
    for (const Row& row : rows_) {
        const QRect line(kMargin, top, width() - 2 * kMargin, height_per_row);
        if (row.heading) {
            painter.setFont(heading_font);
            painter.setPen(kHeadingText);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.label);
            painter.setPen(kHeadingRule);
            painter.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        } else {
            painter.setFont(font());
            painter.setPen(kLabelText);
            painter.drawText(QRect(kMargin, top, value_x - kMargin - 8, height_per_row),
                             Qt::AlignLeft | Qt::AlignVCenter, row.label);
            painter.setPen(kValueText);
            painter.drawText(QRect(value_x, top, width() - value_x - kMargin, height_per_row),
                             Qt::AlignLeft | Qt::AlignVCenter, row.value);
        }
        top += height_per_row;
        if (top > height()) break;
    }
}

void InfoPanel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void InfoPanel::mouseMoveEvent(QMouseEvent* event) {
    hovered_ = true;
    QWidget::mouseMoveEvent(event);
}

void InfoPanel::leaveEvent(QEvent* event) {
    hovered_ = false;
    QWidget::leaveEvent(event);
}

void InfoPanel::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (!hovered_ || delta == 0) {
        event->ignore();
        return;
    }
    emit wheelNotches(delta < 0 ? 1 : -1);
    event->accept();
}

void InfoPanel::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Kopieren"));
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, [this] { copyToClipboard(); });
    menu.exec(event->globalPos());
}
