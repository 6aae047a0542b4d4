// Month view and navigation: months, years, today, a picked day, the keys,
// the report buttons and the list's scroll position.
#include <QComboBox>
#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "base/date_math.h"
#include "report/month_grid.h"
#include "report/school_holiday_coverage.h"
#include "ui/MonthLegend.h"
#include "ui/InfoPanel.h"
#include "ui/MonthView.h"
#include "ui/frmKalender.h"

namespace {

constexpr int kWheelRows = 5;

// What the year field holds: a year of the engine, the start of one ("",
// "-"), or text that no further typing makes a year ("2024x", "99999").
enum class YearEntry { year, partial, invalid };

struct ParsedYear {
    YearEntry kind;
    std::int32_t year;
};

ParsedYear parse_year(QString text) {
    text = text.trimmed();
    // The minus sign of the hint, copied, counts as a hyphen.
    text.replace(QChar(0x2212), u'-');
    if (text.isEmpty() || text == u'-' || text == u'+') return {YearEntry::partial, 0};
    bool ok = false;
    const qlonglong year = text.toLongLong(&ok);
    if (!ok || year < -vespera::kLargestYear || year > vespera::kLargestYear) return {YearEntry::invalid, 0};
    return {YearEntry::year, static_cast<std::int32_t>(year)};
}

} // namespace

QString frmKalender::yearHint() { return QStringLiteral("Jahr von −27968 bis 27968 eingeben"); }

void frmKalender::ZeichneMonat(std::int32_t month, std::int32_t year) {
    clsCalendar& cal = *engine_;
    // Only a new year rebuilds the year's tables.
    if (cal.Jahr() != year) cal.setJahr(year);
    cal.setTag(1);
    cal.setMonat(month);
    const std::int32_t shown_month = cal.Monat();
    const std::int32_t shown_year = cal.Jahr();

    const vespera::Zone zone = place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_);
    // The year's sky events take longer than all the rest of the first
    // picture: the month marks them once it is on screen.
    vespera::report::MonthGrid grid = painted_ ? vespera::report::month_grid(cal, year_sky_.of(cal, zone), list_categories_)
                                               : vespera::report::month_grid(cal, list_categories_);
    if (ownDatesShown()) vespera::report::add_own_dates(grid, ownDates());
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
        for (const std::string& text : source.festival_texts) tips << QString::fromStdString(text);
        marks.holiday = !source.named_days.empty() || !source.festival_texts.empty();
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
        marks.opposition = source.opposition;
        marks.moon = static_cast<MoonDisc>(static_cast<int>(source.moon_phase));
        marks.moon_lit_fraction = source.moon_lit_fraction;
        marks.moon_waxing = source.moon_waxing;
        if (!source.named_days.empty()) {
            model.names[static_cast<std::size_t>(day)] = QString::fromStdString(source.named_days.front());
        } else if (!source.festival_texts.empty()) {
            const std::string& text = source.festival_texts.front();
            model.names[static_cast<std::size_t>(day)] = QString::fromStdString(text.substr(0, text.find(" \u2013 ")));
        }
        if (marks.moon != MoonDisc::None) {
            QString moon = moon_disc_name(marks.moon);
            if (source.blue_moon) moon += QStringLiteral(" (Blue Moon)");
            if (!source.moon_time.empty()) moon += QLatin1Char(' ') + QString::fromStdString(source.moon_time);
            tips << moon;
        }
        for (const std::string& text : source.sky_texts) tips << QString::fromStdString(text);
        marks.own_date = !source.own_dates.empty();
        if (marks.own_date) model.own_names[static_cast<std::size_t>(day)] = QString::fromStdString(source.own_date_short);
        for (const std::string& text : source.own_dates) tips << QString::fromStdString(text);
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
    if (!grid.days.empty()) {
        picLegende->setSchoolHolidayNote(QString::fromStdString(
            vespera::report::school_holidays_known_briefly(cal, grid.days.front().day_number)));
    }

    lblMonat->setText(QString::fromStdString(cal.MonatsName(shown_month)));
    // The field shows the year drawn; an entry not taken yet gives way.
    const bool editing = year_edit_enabled_;
    year_edit_enabled_ = false;
    if (txtJahr->text() != QString::number(shown_year)) txtJahr->setText(QString::number(shown_year));
    txtJahr->setModified(false);
    markYear(false);
    year_edit_enabled_ = editing;
    ZeigeInfo();
}

void frmKalender::showMonthOfEngine() { ZeichneMonat(engine_->Monat(), engine_->Jahr()); }

void frmKalender::cmdAendern_Click(int index) {
    // A year typed but not yet taken counts: 2030 typed, then ">" shows 2030's next month.
    commitYear(true);
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
    const ParsedYear parsed = parse_year(txtJahr->text());
    // Only text that no typing makes a year is marked at once.
    markYear(parsed.kind == YearEntry::invalid);
    // While the user types, "-" or "20" is on its way to a year: nothing
    // changes before Enter or leaving the field.
    if (txtJahr->isModified()) return;
    // Text the program sets is taken as it comes; other text is ignored.
    if (!year_edit_enabled_ || parsed.kind != YearEntry::year) return;
    ZeichneMonat(engine_->Monat(), parsed.year);
}

void frmKalender::commitYear(bool leaving) {
    if (!txtJahr->isModified() && !yearFieldInvalid()) return;
    const ParsedYear parsed = parse_year(txtJahr->text());
    if (parsed.kind == YearEntry::year) {
        if (year_edit_enabled_) ZeichneMonat(engine_->Monat(), parsed.year);
        txtJahr->setModified(false);
        markYear(false);
    } else if (leaving) {
        revertYear();
    } else {
        markYear(true);
    }
}

void frmKalender::revertYear() {
    const bool editing = year_edit_enabled_;
    year_edit_enabled_ = false;
    txtJahr->setText(QString::number(selected_year_));
    year_edit_enabled_ = editing;
    markYear(false);
}

bool frmKalender::yearFieldInvalid() const { return actJahrUngueltig->isVisible(); }

void frmKalender::markYear(bool invalid) {
    if (invalid && actJahrUngueltig->icon().isNull()) {
        actJahrUngueltig->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, txtJahr));
    }
    actJahrUngueltig->setVisible(invalid);
    txtJahr->setAccessibleDescription(invalid ? yearHint() : QString());
    if (invalid) {
        lblStatus->setText(yearHint());
    } else if (lblStatus->text() == yearHint()) {
        lblStatus->clear();
    }
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

bool frmKalender::navigationKey(int key) {
    switch (key) {
    case Qt::Key_Left: moveSelection(-1); return true;
    case Qt::Key_Right: moveSelection(1); return true;
    case Qt::Key_Up: moveSelection(-7); return true;
    case Qt::Key_Down: moveSelection(7); return true;
    case Qt::Key_PageUp: cmdAendern_Click(0); return true;
    case Qt::Key_PageDown: cmdAendern_Click(1); return true;
    case Qt::Key_Home: cmdHeute_Click(); return true;
    default: return false;
    }
}

void frmKalender::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyVisibleText();
        event->accept();
        return;
    }
    if (!navigationKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool frmKalender::navigationFilter(QObject* watched, QEvent* event) {
    if (watched == txtJahr) {
        // Leaving the field takes its year or puts the shown one back; a
        // popup (the field's own menu) is no leaving.
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            commitYear(true);
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                   (txtJahr->isModified() || yearFieldInvalid())) {
            revertYear();
            return true;
        }
        return false;
    }
    // The grid and the report take the arrows before a scroll area or the
    // grid itself would; with Ctrl or Alt they stay the widget's own.
    if ((watched == picMonat || watched == picInfo) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        return navigationKey(key->key());
    }
    return false;
}

void frmKalender::showReportPanel(int index) {
    if (index < 0 || index >= kReportCount) return;
    for (QPushButton* button : cmdDaten) button->setChecked(false);
    cmdDaten[static_cast<std::size_t>(index)]->setChecked(true);
    report_ = static_cast<Report>(index);
    if (cmbBericht != nullptr) {
        const QSignalBlocker quiet(cmbBericht);
        cmbBericht->setCurrentIndex(cmbBericht->findData(index));
    }
    ucScrollbar1->setVisible(index == Holidays || index == OwnDates);
    picDifferenz->setVisible(index == DateDifference);
    picAbout->setVisible(index == About);
    // Every region's school holidays: read when first asked for, not at start-up.
    if (index == About && lblFerienStand->text().isEmpty()) {
        lblFerienStand->setText(QString::fromStdString(vespera::report::school_holiday_overview(today_day_number_)));
    }
    picInfo->setVisible(index != DateDifference && index != About);
    picListe->setVisible(index == Holidays);
    picTermine->setVisible(index == OwnDates);
    list_scroll_position_ = 0;
}

void frmKalender::cmdDaten_Click(int index) {
    if (index < 0 || index >= kReportCount) return;
    // A year typed but not yet taken is the year the report shows.
    commitYear(true);
    showReportPanel(index);
    ZeigeInfo();
}

void frmKalender::ucScrollbar1_Change(int value) {
    list_scroll_position_ = value;
    ZeigeInfo();
}

int frmKalender::lastListPosition() const { return std::max(0, list_rows_ - picInfo->wholeRows() + 1); }

void frmKalender::picInfo_Wheel(int direction) {
    if (!wheel_supported_ || !reportScrolls()) return;
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
