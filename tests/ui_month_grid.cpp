// The month grid's colours against the WCAG contrast rule in a light and a
// dark palette, and the grid as a screen reader finds it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPalette>

#include "window_fixture.h"
#include "ui/MonthView.h"
#include "ui/month_colours.h"

namespace {

using vespera::ui::contrast_ratio;

QPalette palette_of(QColor base, QColor text, QColor highlight) {
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Window, base);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Highlight, highlight);
    }
    return palette;
}

TEST(MonthColours, EveryTextLegibleInLightAndDarkPalettes) {
    const QPalette palettes[] = {
        palette_of(QColor(255, 255, 255), QColor(0, 0, 0), QColor(48, 140, 198)),   // Fusion's light
        palette_of(QColor(236, 236, 236), QColor(30, 30, 30), QColor(0, 120, 215)),
        palette_of(QColor(30, 30, 32), QColor(230, 230, 230), QColor(60, 130, 220)), // dark
        palette_of(QColor(0, 0, 0), QColor(255, 255, 255), QColor(0, 0, 160)),
    };
    for (const QPalette& palette : palettes) {
        const MonthColours c = month_colours_of(palette);
        const std::string where = palette.color(QPalette::Base).name().toStdString();
        for (const QColor& ground : {c.background, c.school_holiday}) {
            for (const QColor& text : {c.day_text, c.statutory, c.regional, c.named_day, c.name_text}) {
                EXPECT_GE(contrast_ratio(text, ground), kTextContrast) << where << " " << text.name().toStdString();
            }
            for (const QColor& mark : {c.today, c.selected, c.moon_outline, c.blue_moon}) {
                EXPECT_GE(contrast_ratio(mark, ground), kMarkContrast) << where << " " << mark.name().toStdString();
            }
        }
        EXPECT_GE(contrast_ratio(c.heading_text, c.background), kTextContrast) << where;
        EXPECT_GE(contrast_ratio(c.week_text, c.week_ground), kTextContrast) << where;
        // The two frames must not be told apart by colour alone failing.
        EXPECT_NE(c.today, c.selected) << where;
    }
}

QAccessibleInterface* selected_cell(QAccessibleInterface* node, int depth = 0) {
    if (node == nullptr || depth > 12) return nullptr;
    if (node->role() == QAccessible::Cell && node->state().selected) return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* found = selected_cell(node->child(i), depth + 1)) return found;
    }
    return nullptr;
}

TEST(MonthView, ScreenReaderFindsTheSelectedDayWithItsNamesAndMoon) {
    WindowForTest t;
    t.start();
    t.window->chooseHolidayRegion("DE-SL");
    t.window->ZeichneMonat(8, 2025);
    emit t.find<MonthView>("picMonat")->dayPressed(16); // last quarter
    emit t.find<MonthView>("picMonat")->dayPressed(15);
    QAccessibleInterface* cell = selected_cell(QAccessible::queryAccessibleInterface(t.window.get()));
    ASSERT_NE(cell, nullptr);
    const QString name = cell->text(QAccessible::Name);
    EXPECT_TRUE(name.startsWith("Freitag, 15. August 2025, Mariä Himmelfahrt, gesetzlicher Feiertag"))
        << name.toStdString();
    EXPECT_EQ(cell->parent()->role(), QAccessible::Table);
    EXPECT_EQ(cell->parent()->childCount(), 31);
    EXPECT_TRUE(cell->parent()->child(15)->text(QAccessible::Name).contains("Letztes Viertel"));
}

} // namespace
