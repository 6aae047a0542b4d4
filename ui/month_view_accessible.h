// The month grid for screen readers: a table whose cells are the days, each
// named with its date, its named days and its moon phase.
#pragma once

class MonthView;

// Registers the grid's accessible interface with Qt; calling it again is harmless.
void install_month_view_accessibility();
// Tells assistive technology that the selected day changed.
void announce_selected_day(MonthView* view);
