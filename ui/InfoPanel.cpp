#include "ui/InfoPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/MonthView.h"
#include "ui/contrast.h"

namespace {

constexpr int kMargin = 10;
// The panel's design size in rows of the widget's font and in width; a
// larger panel draws larger, up to kLargestScale, so that a large window
// shows the report large instead of a small block in a corner.
constexpr double kDesignRows = 26.0;
constexpr double kDesignWidth = 440.0;
constexpr double kLargestScale = 1.5;

using vespera::ui::mixed;
using vespera::ui::readable_on;

// One row of the panel for a screen reader. It reads the panel's row at
// its index whenever asked, so a row redrawn in place reads anew.
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(InfoPanel* panel, int index) : panel_(panel), index_(index) {}

    bool isValid() const override { return panel_ && index_ < static_cast<int>(panel_->rows().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return panel_ ? panel_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return panel_ ? QAccessible::queryAccessibleInterface(panel_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name) return {};
        return InfoPanel::spokenText(row());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = panel_->rowRect(index_);
        return local.isEmpty() ? QRect() : QRect(panel_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        return isValid() && row().heading ? QAccessible::Heading : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        // A holiday list row below the panel's end is not drawn.
        if (!isValid() || panel_->rowRect(index_).isEmpty()) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }

private:
    const InfoPanel::Row& row() const { return panel_->rows()[static_cast<std::size_t>(index_)]; }

    QPointer<InfoPanel> panel_;
    int index_;
};

// The panel as a list of its rows.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(InfoPanel* panel) : QAccessibleWidget(panel, QAccessible::List) {}
    ~PanelAccessible() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return static_cast<int>(panel()->rows().size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        const auto slot = static_cast<std::size_t>(index);
        if (slot >= ids_.size()) ids_.resize(slot + 1, 0);
        if (ids_[slot] == 0) {
            ids_[slot] = QAccessible::registerAccessibleInterface(new RowAccessible(panel(), index));
        }
        return QAccessible::accessibleInterface(ids_[slot]);
    }

    int indexOfChild(const QAccessibleInterface* row) const override {
        for (std::size_t i = 0; i < ids_.size() && static_cast<int>(i) < childCount(); ++i) {
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == row) return static_cast<int>(i);
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = panel()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (panel()->rowRect(i).contains(local)) return child(i);
        }
        return nullptr;
    }

private:
    InfoPanel* panel() const { return static_cast<InfoPanel*>(widget()); }

    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* panel_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("InfoPanel") && object && object->isWidgetType()) {
        return new PanelAccessible(static_cast<InfoPanel*>(object));
    }
    return nullptr;
}

} // namespace

InfoPanel::Colours InfoPanel::colours(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    Colours colours;
    colours.background = ground;
    colours.value = readable_on(text, ground);
    // Headings lean towards the highlight, labels recede towards the ground.
    colours.heading = readable_on(mixed(text, palette.color(QPalette::Highlight), 0.4), ground);
    colours.rule = mixed(text, ground, 0.7);
    colours.label = readable_on(mixed(text, ground, 0.3), ground);
    // The category column takes the month view's colours where they read.
    colours.statutory_note = readable_on(month_colours::statutory(), ground);
    colours.regional_note = readable_on(month_colours::regional(), ground);
    colours.other_note = readable_on(mixed(text, ground, 0.35), ground);
    return colours;
}

InfoPanel::InfoPanel(QWidget* parent) : QWidget(parent) {
    // Installed once for the program; Qt asks it for every InfoPanel.
    static const bool accessible = [] {
        QAccessible::installFactory(panel_accessible);
        return true;
    }();
    (void)accessible;
    setObjectName("picInfo");
    setAccessibleName(QStringLiteral("Bericht"));
    setAccessibleDescription(QStringLiteral("Strg+C kopiert den Bericht als Text"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::ClickFocus);
    // Eight rows and the longest labels; a smaller window scrolls the panel.
    setMinimumSize(220, 8 * (fontMetrics().height() + 4) + kMargin);
    fitFont();
}

void InfoPanel::clear() {
    rows_.clear();
    update();
    rowsChanged();
}

int InfoPanel::AddHeading(const QString& text) {
    rows_.push_back({true, text, {}, {}, {}});
    update();
    rowsChanged();
    return static_cast<int>(rows_.size()) - 1;
}

int InfoPanel::AddLine(const QString& label, const QString& value, const QString& note) {
    rows_.push_back({false, label, value, note, {}});
    update();
    rowsChanged();
    return static_cast<int>(rows_.size()) - 1;
}

void InfoPanel::setRowTooltip(int index, const QString& tooltip) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<std::size_t>(index)].tooltip = tooltip;
}

bool InfoPanel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const int index = (at.y() - kMargin) / rowHeight();
    QString text;
    if (at.y() >= kMargin && rowRect(index).contains(at)) {
        const Row& row = rows_[static_cast<std::size_t>(index)];
        text = row.tooltip;
        // The long rows (a planet's day) are cut at the panel's edge.
        if (text.isEmpty() && !row.heading &&
            QFontMetrics(text_font_).horizontalAdvance(row.value) > width() - valueColumn() - kMargin) {
            text = row.value;
        }
    }
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
    }
    return true;
}

void InfoPanel::setRowValue(int index, const QString& value) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<std::size_t>(index)].value = value;
    update(QRect(0, kMargin + index * rowHeight(), width(), rowHeight()));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

void InfoPanel::rowsChanged() {
    if (change_pending_ || !QAccessible::isActive()) return;
    change_pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            change_pending_ = false;
            QAccessibleEvent event(this, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

QString InfoPanel::text() const {
    QStringList lines;
    for (const Row& row : rows_) {
        lines << (row.heading ? row.label : row.label + '\t' + row.value + (row.note.isEmpty() ? "" : '\t' + row.note));
    }
    return lines.join('\n') + (lines.isEmpty() ? "" : "\n");
}

QString InfoPanel::spokenText(const Row& row) {
    if (row.heading) return row.label;
    QString spoken = row.label + QStringLiteral(": ") + row.value;
    if (!row.note.isEmpty()) spoken += QStringLiteral(" (") + row.note + u')';
    return spoken;
}

void InfoPanel::copyToClipboard() const {
    // An empty panel leaves the clipboard as it was.
    const QString shown = text();
    if (!shown.isEmpty()) QApplication::clipboard()->setText(shown);
}

int InfoPanel::rowHeight() const { return QFontMetrics(text_font_).height() + 4; }

int InfoPanel::wholeRows() const { return std::max(1, (height() - kMargin) / rowHeight()); }

QRect InfoPanel::rowRect(int index) const {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return {};
    const int top = kMargin + index * rowHeight();
    if (top + rowHeight() > height()) return {};
    return {kMargin, top, width() - 2 * kMargin, rowHeight()};
}

void InfoPanel::fitFont() {
    const QFont base = font();
    const double by_height = height() / (kDesignRows * (QFontMetrics(base).height() + 4));
    const double by_width = width() / kDesignWidth;
    // In eighths, so that a pixel more or less keeps the font.
    const double scale = std::floor(std::clamp(std::min(by_height, by_width), 1.0, kLargestScale) * 8.0) / 8.0;
    QFont scaled = base;
    if (base.pointSizeF() > 0) {
        scaled.setPointSizeF(base.pointSizeF() * scale);
    } else {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(base.pixelSize() * scale))));
    }
    if (scaled == text_font_) return;
    text_font_ = scaled;
    update();
}

void InfoPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitFont();
    emit resized();
}

void InfoPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitFont();
}

int InfoPanel::valueColumn() const {
    const QFontMetrics metrics(text_font_);
    int widest = 0;
    for (const Row& row : rows_) {
        if (!row.heading) widest = std::max(widest, metrics.horizontalAdvance(row.label));
    }
    return kMargin + std::min(widest + 16, width() / 2);
}

void InfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Colours colour = colours(palette());
    const QFontMetrics metrics(text_font_);
    const int height_per_row = rowHeight();
    const int value_x = valueColumn();
    QFont heading_font = text_font_;
    heading_font.setBold(true);
    int notes_width = 0;
    for (const Row& row : rows_) {
        if (!row.note.isEmpty()) notes_width = std::max(notes_width, metrics.horizontalAdvance(row.note));
    }
    const int note_x = width() - kMargin - notes_width;
    int top = kMargin;
    for (const Row& row : rows_) {
        // Only whole rows: a cut last row reads as a different text.
        if (top + height_per_row > height()) break;
        const QRect line(kMargin, top, width() - 2 * kMargin, height_per_row);
        if (row.heading) {
            painter.setFont(heading_font);
            painter.setPen(colour.heading);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetrics(heading_font).elidedText(row.label, Qt::ElideRight, line.width()));
            painter.setPen(colour.rule);
            painter.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        } else {
            painter.setFont(text_font_);
            painter.setPen(colour.label);
            painter.drawText(QRect(kMargin, top, value_x - kMargin - 8, height_per_row),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(row.label, Qt::ElideRight, value_x - kMargin - 8));
            painter.setPen(colour.value);
            // A row without a note lends its value the note column.
            const int value_right = notes_width > 0 && !row.note.isEmpty() ? note_x - 12 : width() - kMargin;
            // A value too long for its column ends in "…" rather than mid-letter.
            const int value_width = value_right - value_x;
            painter.drawText(QRect(value_x, top, value_width, height_per_row), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(row.value, Qt::ElideRight, value_width));
            if (!row.note.isEmpty()) {
                painter.setPen(row.note == QStringLiteral("gesetzlich") ? colour.statutory_note
                               : row.note == QStringLiteral("regional") ? colour.regional_note
                                                                        : colour.other_note);
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
