#include "ui/month_view_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "ui/MonthView.h"

namespace {

// One day of the shown month; it reads the view's model when asked, so a
// new month needs no new cells.
class DayCell : public QAccessibleInterface {
public:
    DayCell(MonthView* view, int day) : view_(view), day_(day) {}

    bool isValid() const override { return view_ && day_ >= 1 && day_ <= view_->model().days; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return view_->dayDescription(day_);
        if (t == QAccessible::Description) return view_->model().tooltips[static_cast<std::size_t>(day_)];
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = view_->cellRect(day_);
        return {view_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (isValid() && view_->model().selected == day_) {
            s.selected = true;
            s.focused = view_->hasFocus();
        }
        if (!isValid()) s.invalid = true;
        return s;
    }

private:
    QPointer<MonthView> view_;
    int day_;
};

class MonthViewAccessible : public QAccessibleWidget {
public:
    explicit MonthViewAccessible(MonthView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~MonthViewAccessible() override {
        for (const QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
    }
    MonthViewAccessible(const MonthViewAccessible&) = delete;
    MonthViewAccessible& operator=(const MonthViewAccessible&) = delete;

    MonthView* view() const { return static_cast<MonthView*>(widget()); }

    int childCount() const override { return view()->model().days; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        auto found = cells_.constFind(index);
        if (found == cells_.constEnd()) {
            found = cells_.insert(index, QAccessible::registerAccessibleInterface(new DayCell(view(), index + 1)));
        }
        return QAccessible::accessibleInterface(*found);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = cells_.constBegin(); it != cells_.constEnd(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key() < childCount() ? it.key() : -1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int day = view()->dayAt(view()->mapFromGlobal(QPoint(x, y)));
        return day > 0 ? child(day - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int selected = view()->model().selected;
        return view()->hasFocus() && selected > 0 ? child(selected - 1) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QStringLiteral("%1 %2").arg(view()->model().month_name).arg(view()->model().year);
        }
        return QAccessibleWidget::text(t);
    }

private:
    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* month_view_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("MonthView") && object != nullptr && object->isWidgetType()) {
        return new MonthViewAccessible(static_cast<MonthView*>(object));
    }
    return nullptr;
}

} // namespace

void install_month_view_accessibility() {
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(month_view_factory);
}

void announce_selected_day(MonthView* view) {
    const int index = view->model().selected - 1;
    if (index < 0) return;
    QAccessibleEvent selection(view, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (view->hasFocus()) {
        QAccessibleEvent focus(view, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}
