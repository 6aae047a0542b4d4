// Month view and navigation: months, years, today, a picked day, the keys,
// the report buttons and the list's scroll position.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "engine/date_math.h"
#include "report/month_grid.h"
#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "ui/frmKalender.h"

namespace {

constexpr int kWheelRows = 5;

} // namespace

void frmKalender::ZeichneMonat(std::int32_t month, std::int32_t year) {
    clsCalendar& cal = *engine_;
    // Only a new year rebuilds the year's tables.
    if (cal.Jahr() != year) cal.setJahr(year);
    cal.setTag(1);
    cal.setMonat(month);
    const std::int32_t shown_month = cal.Monat();
    const std::int32_t shown_year = cal.Jahr();

    const vespera::report::MonthGrid grid = vespera::report::month_grid(cal, year_eclipses_.of(cal));
    MonthModel model;
    model.first_weekday = grid.first_weekday;
    model.days = static_cast<int>(std::min(grid.days.size(), model.marks.size() - 1));
    for (std::size_t i = 0; i < 7; ++i) model.weekday_names[i] = QString::fromStdString(grid.weekday_names[i]);
    model.year = static_cast<int>(grid.year);
    model.month_name = QString::fromStdString(grid.month_name);
    model.southern_sky = cal.Latitude() < 0.0;
    model.week_numbers = grid.iso_weeks;
    for (int day = 1; day <= model.days; ++day) {
        const vespera::report::MonthGridDay& source = grid.days[static_cast<std::size_t>(day - 1)];
        MonthMarks& marks = model.marks[static_cast<std::size_t>(day)];
        QStringList tips;
        for (const std::string& text : source.named_day_texts) tips << QString::fromStdString(text);
        marks.holiday = !source.named_days.empty();
        marks.statutory = source.statutory;
        marks.regional = source.regional;
        marks.sunday = source.sunday;
        marks.school_holiday = !source.school_holiday.empty();
        if (marks.school_holiday) tips << QString::fromStdString(source.school_holiday) + QStringLiteral(" (Schulferien)");
        marks.full_moon = source.full_moon;
        marks.blue_moon = source.blue_moon;
        marks.new_moon = source.new_moon;
        marks.solar_eclipse = source.solar_eclipse;
        marks.lunar_eclipse = source.lunar_eclipse;
        marks.moon = static_cast<MoonDisc>(static_cast<int>(source.moon_phase));
        marks.moon_lit_fraction = source.moon_lit_fraction;
        marks.moon_waxing = source.moon_waxing;
        if (!source.named_days.empty()) {
            model.names[static_cast<std::size_t>(day)] = QString::fromStdString(source.named_days.front());
        }
        if (marks.moon != MoonDisc::None) {
            QString moon = moon_disc_name(marks.moon);
            if (source.blue_moon) moon += QStringLiteral(" (Blue Moon)");
            if (!source.moon_time.empty()) moon += QLatin1Char(' ') + QString::fromStdString(source.moon_time);
            tips << moon;
        }
        if (source.solar_eclipse) tips << QStringLiteral("Sonnenfinsternis");
        if (source.lunar_eclipse) tips << QStringLiteral("Mondfinsternis");
        model.tooltips[static_cast<std::size_t>(day)] = tips.join('\n');
        if (source.day_number == today_day_number_) model.today = day;
    }

    // A list of another year starts at its top.
    if (shown_year != list_year_) {
        list_year_ = shown_year;
        list_scroll_position_ = 0;
    }

    // A day beyond the new month's end moves to its last day (31 March -> 30 April).
    selected_day_ = std::clamp(selected_day_, 1, std::max(1, model.days));
    selected_month_ = shown_month;
    selected_year_ = shown_year;
    model.selected = selected_day_;
    cal.setTag(selected_day_);
    picMonat->setModel(model);

    lblMonat->setText(QString::fromStdString(cal.MonatsName(shown_month)));
    const bool editing = year_edit_enabled_;
    year_edit_enabled_ = false;
    if (txtJahr->text() != QString::number(shown_year) && !txtJahr->hasFocus()) txtJahr->setText(QString::number(shown_year));
    year_edit_enabled_ = editing;
    ZeigeInfo();
}

void frmKalender::showMonthOfEngine() { ZeichneMonat(engine_->Monat(), engine_->Jahr()); }

void frmKalender::cmdAendern_Click(int index) {
    clsCalendar& cal = *engine_;
    // From the first of the month, so that 31 January does not count on into March.
    cal.setTag(1);
    switch (index) {
    case 0: cal.setMonat(cal.Monat() - 1); break;
    case 1: cal.setMonat(cal.Monat() + 1); break;
    case 2: cal.setJahr(cal.Jahr() - 1); break;
    case 3: cal.setJahr(cal.Jahr() + 1); break;
    default: return;
    }
    const bool editing = year_edit_enabled_;
    year_edit_enabled_ = false;
    txtJahr->setText(QString::number(cal.Jahr()));
    year_edit_enabled_ = editing;
    showMonthOfEngine();
}

void frmKalender::cmdHeute_Click() {
    selected_day_ = today_day_;
    ZeichneMonat(today_month_, today_year_);
}

void frmKalender::txtJahr_Change() {
    if (!year_edit_enabled_) return;
    // Text that is not a whole number within the engine's years is ignored.
    bool ok = false;
    const qlonglong year = txtJahr->text().trimmed().toLongLong(&ok);
    if (!ok || year < -vespera::kLargestYear || year > vespera::kLargestYear) return;
    ZeichneMonat(engine_->Monat(), static_cast<std::int32_t>(year));
}

void frmKalender::picMonat_DayPressed(int day) {
    if (day < 1 || day > engine_->MonatsTage(engine_->Monat())) return;
    selectDay(day);
}

void frmKalender::selectDay(std::int32_t day) {
    selected_day_ = day;
    engine_->setTag(day);
    MonthModel model = picMonat->model();
    model.selected = day;
    picMonat->setModel(model);
    ZeigeInfo();
}

void frmKalender::moveSelection(std::int32_t days) {
    const std::int64_t target = vespera::day_number(selected_year_, selected_month_, selected_day_) + days;
    const vespera::CivilDate date = vespera::civil_date(target);
    if (date.year < -vespera::kLargestYear || date.year > vespera::kLargestYear) return;
    if (date.year == selected_year_ && date.month == selected_month_) {
        selectDay(date.day);
        return;
    }
    selected_day_ = date.day;
    ZeichneMonat(date.month, static_cast<std::int32_t>(date.year));
}

void frmKalender::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyVisibleText();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: moveSelection(-1); break;
    case Qt::Key_Right: moveSelection(1); break;
    case Qt::Key_Up: moveSelection(-7); break;
    case Qt::Key_Down: moveSelection(7); break;
    case Qt::Key_PageUp: cmdAendern_Click(0); break;
    case Qt::Key_PageDown: cmdAendern_Click(1); break;
    case Qt::Key_Home: cmdHeute_Click(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void frmKalender::cmdDaten_Click(int index) {
    if (index < 0 || index >= kReportCount) return;
    for (QPushButton* button : cmdDaten) button->setChecked(false);
    cmdDaten[static_cast<std::size_t>(index)]->setChecked(true);
    report_ = static_cast<Report>(index);
    ucScrollbar1->setVisible(index == Holidays);
    picDifferenz->setVisible(index == DateDifference);
    picAbout->setVisible(index == About);
    picInfo->setVisible(index != DateDifference && index != About);
    picListe->setVisible(index == Holidays);
    list_scroll_position_ = 0;
    ZeigeInfo();
}

void frmKalender::ucScrollbar1_Change(int value) {
    list_scroll_position_ = value;
    ZeigeInfo();
}

int frmKalender::lastListPosition() const { return std::max(0, list_rows_ - picInfo->wholeRows() + 1); }

void frmKalender::picInfo_Wheel(int direction) {
    if (!wheel_supported_ || report_ != Holidays) return;
    const std::int32_t last = lastListPosition();
    std::int32_t position = list_scroll_position_ + direction * kWheelRows;
    if (position > last) position = last;
    if (position < 0) position = 0;
    if (position == list_scroll_position_) return;
    list_scroll_position_ = position;
    const QSignalBlocker quiet(ucScrollbar1);
    ucScrollbar1->setValue(position);
    ZeigeInfo();
}
