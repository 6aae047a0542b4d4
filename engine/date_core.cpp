// Date state, day numbers, weekdays, weeks and date formatting.
#include <cmath>
#include <ctime>
#include <iostream>

#include "engine/clsCalendar.h"
#include "base/date_math.h"
#include "base/german_names.h"
#include "base/number_text.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

std::chrono::seconds system_local_time_of_day() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::seconds(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

} // namespace

clsCalendar::clsCalendar()
    : clock_(system_local_time_of_day),
      reporter_([](const std::string& text) { std::cerr << text << '\n'; }) {}

void clsCalendar::setDecimalSeparator(char separator) { decimal_separator_ = separator; }

void clsCalendar::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock(system_local_time_of_day);
}

void clsCalendar::setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

void clsCalendar::report(const vespera::EngineFault& fault) {
    ++fault_count_;
    if (reporter_) reporter_(vespera::fault_message(fault, fault.procedure));
}

// ---- private helpers -----------------------------------------------------

std::int32_t clsCalendar::day_number_of(std::int64_t year, std::int64_t month, std::int64_t day) const {
    return vespera::to_long(vespera::day_number(year, month, day));
}

void clsCalendar::CalcJD() { f_.JD = day_number_of(f_.Jahr, f_.Monat, f_.Tag); }

void clsCalendar::ConvertJD() {
    const vespera::CivilDate date = vespera::civil_date(f_.JD);
    f_.Jahr = vespera::to_long(date.year);
    f_.Monat = date.month;
    f_.Tag = date.day;
}

std::string clsCalendar::GetWochentagName(std::int32_t Index) { return std::string(vespera::weekday_name(Index)); }

std::string clsCalendar::format_day(std::int32_t day_number, std::int32_t FormatTyp) const {
    const vespera::CivilDate date = vespera::civil_date(day_number);
    return vespera::date_text(date.year, date.month, date.day, FormatTyp);
}

std::string clsCalendar::day_and_weekday(std::int32_t day_number) const {
    return format_day(day_number, 0) + ", " + GetWochentagName(vespera::weekday_index(day_number)).substr(0, 2);
}

// ---- properties ----------------------------------------------------------

void clsCalendar::setTag(std::int32_t value) {
    guarded_void("Tag", [&] {
        f_.Tag = value;
        CalcJD();
    });
}

void clsCalendar::setMonat(std::int32_t value) {
    guarded_void("Monat", [&] {
        if (value == 13) {
            f_.Monat = 1;
            setJahr(f_.Jahr + 1);
        } else if (value == 0) {
            f_.Monat = 12;
            setJahr(f_.Jahr - 1);
        } else {
            f_.Monat = value;
        }
        CalcJD();
    });
}

void clsCalendar::setJahr(std::int32_t value) {
    guarded_void("Jahr", [&] {
        if (value >= vespera::kLargestYear + 1) {
            f_.Jahr = -vespera::kLargestYear;
        } else if (value < -vespera::kLargestYear) {
            f_.Jahr = vespera::kLargestYear;
        } else {
            f_.Jahr = value;
        }
        CalcJD();
        Feiertage_Einlesen();
    });
}

void clsCalendar::setKalender(std::int32_t value) {
    guarded_void("Kalender", [&] {
        f_.Kalender = value;
        ConvertJD();
    });
}

double clsCalendar::JD() {
    return guarded("JD", 0.0, [&] {
        CalcJD();
        return static_cast<double>(f_.JD);
    });
}

void clsCalendar::setJD(double value) {
    guarded_void("JD", [&] {
        const std::int32_t day = vespera::round_to_long(value);
        const vespera::CivilDate date = vespera::civil_date(day);
        // The year tables exist for the engine's years only.
        if (date.year < -vespera::kLargestYear || date.year > vespera::kLargestYear) {
            raise_fault(FaultCode::Overflow);
        }
        const std::int32_t old_year = f_.Jahr;
        f_.JD = day;
        ConvertJD();
        if (f_.Jahr != old_year) Feiertage_Einlesen();
    });
}

bool clsCalendar::Schaltjahr() {
    return guarded("Schaltjahr", false, [&] { return vespera::is_leap_year(f_.Jahr); });
}

std::int32_t clsCalendar::MonatsTage(std::int32_t Index) {
    return guarded("MonatsTage", std::int32_t{0}, [&]() -> std::int32_t {
        std::int32_t month = Index;
        if (month < 1) month = 12;
        if (month > 12) month = 1;
        switch (month) {
        case 4: case 6: case 9: case 11:
            return 30;
        case 8:
            return f_.Jahr > 8 ? 31 : 30;
        case 2:
            // The early Julian calendar as the engine counts it: before year 9
            // February had 29 days, 30 in the leap years up to 44 BC.
            if (f_.Jahr > 8) return vespera::is_leap_year(f_.Jahr) ? 29 : 28;
            return (f_.Jahr <= -44 && vespera::is_leap_year(f_.Jahr)) ? 30 : 29;
        default:
            return 31;
        }
    });
}

std::string clsCalendar::MonatsName(std::int32_t Index) { return std::string(vespera::month_name(Index)); }

clsCalendar::Variant clsCalendar::Wochentag(std::int32_t Format) {
    return guarded("Wochentag", Variant{}, [&]() -> Variant {
        const int weekday = vespera::weekday_index(f_.JD);
        switch (Format) {
        case 0:
            return GetWochentagName(weekday);
        case 1:
            return GetWochentagName(weekday).substr(0, 2);
        case 2:
            return std::int32_t{weekday};
        default:
            return Variant{};
        }
    });
}

std::string clsCalendar::Wochentag_Name(std::int32_t Index) { return GetWochentagName(Index); }

// ---- methods -------------------------------------------------------------

void clsCalendar::SetDatum(std::chrono::year_month_day m_Date) {
    guarded_void("SetDatum", [&] {
        f_.Tag = static_cast<std::int32_t>(static_cast<unsigned>(m_Date.day()));
        f_.Monat = static_cast<std::int32_t>(static_cast<unsigned>(m_Date.month()));
        f_.Jahr = static_cast<int>(m_Date.year());
        CalcJD();
    });
}

std::int32_t clsCalendar::TagesZahl() {
    return guarded("TagesZahl", std::int32_t{0}, [&] {
        CalcJD();
        const std::int32_t first = day_number_of(f_.Jahr, 1, 1);
        return vespera::to_long(static_cast<std::int64_t>(DatumsDifferenz(first, f_.JD, 0, true)) + 1);
    });
}

void clsCalendar::TagesZahl_Setzen(std::int32_t NeueTageszahl) {
    guarded_void("TagesZahl_Setzen", [&] {
        f_.Tag = 1;
        f_.Monat = 1;
        CalcJD();
        f_.JD = vespera::to_long(static_cast<std::int64_t>(f_.JD) + NeueTageszahl - 1);
        ConvertJD();
    });
}

std::int32_t clsCalendar::Woche() {
    return guarded("Woche", std::int32_t{0}, [&] {
        CalcJD();
        const std::int64_t days = static_cast<std::int64_t>(f_.JD) - day_number_of(f_.Jahr, 1, 1);
        // Not the ISO week: counted from 1 January, whatever its weekday.
        return vespera::to_long(static_cast<std::int64_t>(vespera::round_half_even(days / 7.0)) + 1);
    });
}

std::string clsCalendar::Format_Datum(std::int32_t FormatTyp) {
    return guarded("Format_Datum", std::string{},
                   [&] { return vespera::date_text(f_.Jahr, f_.Monat, f_.Tag, FormatTyp); });
}

double clsCalendar::DatumsDifferenz(std::int32_t Datum1, std::int32_t Datum2, std::int32_t Einheit,
                                    bool Runden) {
    return guarded("DatumsDifferenz", 0.0, [&] {
        // 64 bits: the seconds of any two 32-bit day numbers are exact.
        const std::int64_t days = static_cast<std::int64_t>(Datum2) - Datum1;
        double result = 0.0;
        switch (Einheit) {
        case 0: result = static_cast<double>(days); break;
        case 1: result = static_cast<double>(days) / 7.0; break;
        case 2: result = static_cast<double>(days) / 365.25; break;
        case 3: result = static_cast<double>(days * 86400); break;
        case 4: result = static_cast<double>(days * 1440); break;
        case 5: result = static_cast<double>(days * 24); break;
        case 6: result = static_cast<double>(days * 12) / 365.25; break;
        default: result = 0.0; break;
        }
        return Runden ? vespera::round_half_even(result) : result;
    });
}

// ---- place and time of day -------------------------------------------------

// A place off the globe would give plausible-looking times ("02:48 Uhr"
// for latitude 91), so it is refused rather than computed.
void clsCalendar::setLongitude(double dLongitude) {
    guarded_void("Longitude", [&] {
        if (!(std::fabs(dLongitude) <= 180.0)) raise_fault(FaultCode::InvalidCall);
        f_.Longitude = dLongitude;
    });
}

void clsCalendar::setLatitude(double dLatitude) {
    guarded_void("Latitude", [&] {
        if (!(std::fabs(dLatitude) <= 90.0)) raise_fault(FaultCode::InvalidCall);
        f_.Latitude = dLatitude;
    });
}
void clsCalendar::setStunde(std::int32_t lStunde) { f_.Stunde = lStunde; }
void clsCalendar::setMinute(std::int32_t lMinute) { f_.Minute = lMinute; }
void clsCalendar::setSekunde(std::int32_t lSekunde) { f_.Sekunde = lSekunde; }
void clsCalendar::setZeitzone_Offset(float value) { f_.Zeitzone_Offset = value; }
