#include "ui/InfoPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

#include "ui/MonthView.h"

namespace {

constexpr int kMargin = 10;
const QColor kHeadingText(20, 40, 90);
const QColor kHeadingRule(180, 190, 210);
const QColor kLabelText(70, 70, 70);
const QColor kValueText(0, 0, 0);

// The category column takes the month view's colours.
QColor note_colour(const QString& note) {
    if (note == QStringLiteral("gesetzlich")) return month_colours::statutory();
    if (note == QStringLiteral("regional")) return month_colours::regional();
    return QColor(100, 100, 110);
}

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
    rows_.push_back({true, text, {}, {}});
    update();
    return static_cast<int>(rows_.size()) - 1;
}

int InfoPanel::AddLine(const QString& label, const QString& value, const QString& note) {
    rows_.push_back({false, label, value, note});
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
    for (const Row& row : rows_) {
        lines << (row.heading ? row.label : row.label + '\t' + row.value + (row.note.isEmpty() ? "" : '\t' + row.note));
    }
    return lines.join('\n') + (lines.isEmpty() ? "" : "\n");
}

void InfoPanel::copyToClipboard() const {
    // An empty panel leaves the clipboard as it was.
    const QString shown = text();
    if (!shown.isEmpty()) QApplication::clipboard()->setText(shown);
}

int InfoPanel::rowHeight() const { return fontMetrics().height() + 4; }

int InfoPanel::wholeRows() const { return std::max(1, (height() - kMargin) / rowHeight()); }

void InfoPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

int InfoPanel::valueColumn() const {
    int widest = 0;
    for (const Row& row : rows_) {
        if (!row.heading) widest = std::max(widest, fontMetrics().horizontalAdvance(row.label));
    }
    return kMargin + std::min(widest + 16, width() / 2);
}

void InfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The fixed colours are tuned for a light ground; on a dark desktop they
    // turn as light as legibility needs.
    const QColor ground = palette().color(backgroundRole());
    const auto legible = [&](const QColor& colour) { return with_contrast(colour, ground, kTextContrast); };
    const int height_per_row = rowHeight();
    const int value_x = valueColumn();
    QFont heading_font = font();
    heading_font.setBold(true);
    int notes_width = 0;
    for (const Row& row : rows_) {
        if (!row.note.isEmpty()) notes_width = std::max(notes_width, fontMetrics().horizontalAdvance(row.note));
    }
    const int note_x = width() - kMargin - notes_width;
    int top = kMargin;
    for (const Row& row : rows_) {
        // Only whole rows: a cut last row reads as a different text.
        if (top + height_per_row > height()) break;
        const QRect line(kMargin, top, width() - 2 * kMargin, height_per_row);
        if (row.heading) {
            painter.setFont(heading_font);
            painter.setPen(legible(kHeadingText));
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.label);
            painter.setPen(with_contrast(kHeadingRule, ground, 1.5));
            painter.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        } else {
            painter.setFont(font());
            painter.setPen(legible(kLabelText));
            painter.drawText(QRect(kMargin, top, value_x - kMargin - 8, height_per_row),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             fontMetrics().elidedText(row.label, Qt::ElideRight, value_x - kMargin - 8));
            painter.setPen(legible(kValueText));
            const int value_right = notes_width > 0 ? note_x - 12 : width() - kMargin;
            // A value too long for its column ends in "…" rather than mid-letter.
            const int value_width = value_right - value_x;
            painter.drawText(QRect(value_x, top, value_width, height_per_row), Qt::AlignLeft | Qt::AlignVCenter,
                             fontMetrics().elidedText(row.value, Qt::ElideRight, value_width));
            if (!row.note.isEmpty()) {
                painter.setPen(legible(note_colour(row.note)));
                painter.drawText(QRect(note_x, top, notes_width, height_per_row), Qt::AlignLeft | Qt::AlignVCenter,
                                 row.note);
            }
        }
        top += height_per_row;
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
