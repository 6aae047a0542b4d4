// Drives one clsCalendar through arbitrary sequences of property writes,
// reads and method calls with arbitrary arguments, and checks after every
// call what must hold whatever came before:
// - a call reports at most one fault, in the engine's message form;
// - a call that reported a fault left every field and the year's tables as
//   they were, and a call changed no field that is not its business;
// - the day number stays the day number of Tag/Monat/Jahr;
// - a year change that succeeded left the tables of the new year;
// - texts are UTF-8 and numbers within their ranges;
// - no call takes long.
#include <chrono>
#include <cmath>
#include <regex>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "engine/clsCalendar.h"
#include "base/date_math.h"
#include "engine_test_access.h"
#include "fuzz/fuzz_input.h"

namespace {

using Fields = decltype(EngineTestAccess::fields(std::declval<const clsCalendar&>()));
using Tables = decltype(EngineTestAccess::tables(std::declval<const clsCalendar&>()));

constexpr int kMaxCalls = 64;
constexpr auto kSlowCall = std::chrono::milliseconds(250);

// Bitwise for floating point (NaN equals NaN), element by element for tables.
template <class T>
bool same(const T& a, const T& b) {
    if constexpr (std::is_same_v<T, double>) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    } else if constexpr (std::is_same_v<T, float>) {
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    } else if constexpr (requires { a.size(); a[0]; }) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!same(a[i], b[i])) return false;
        }
        return true;
    } else if constexpr (requires { a.minute_of_day; }) {
        return a.day_number == b.day_number && a.minute_of_day == b.minute_of_day;
    } else if constexpr (requires { a.slot; }) {
        return a.day == b.day && a.slot == b.slot && a.name.data() == b.name.data() && a.status == b.status &&
               a.one_place == b.one_place && a.note.data() == b.note.data();
    } else {
        return a == b;
    }
}

std::string differing_field(const Fields& a, const Fields& b) {
#define VESPERA_COMPARE(member) \
    if (!same(a.member, b.member)) return #member;
    VESPERA_COMPARE(Kalender)
    VESPERA_COMPARE(Tag)
    VESPERA_COMPARE(Monat)
    VESPERA_COMPARE(Jahr)
    VESPERA_COMPARE(JD)
    VESPERA_COMPARE(Longitude)
    VESPERA_COMPARE(Latitude)
    VESPERA_COMPARE(Stunde)
    VESPERA_COMPARE(Minute)
    VESPERA_COMPARE(Sekunde)
    VESPERA_COMPARE(Zeitzone_Offset)
    VESPERA_COMPARE(sun_altitude_deg)
    VESPERA_COMPARE(culmination_altitude_deg)
    VESPERA_COMPARE(culmination_pending)
    VESPERA_COMPARE(culmination_jd_ut)
    VESPERA_COMPARE(culmination_longitude_deg)
    VESPERA_COMPARE(culmination_latitude_deg)
    VESPERA_COMPARE(IstSonnenfinsternis)
    VESPERA_COMPARE(Saroszyklus)
    return {};
}

std::string differing_table(const Tables& a, const Tables& b) {
    VESPERA_COMPARE(new_year_day)
    VESPERA_COMPARE(days_in_year)
    VESPERA_COMPARE(holidays.entries)
    VESPERA_COMPARE(holidays.count)
    VESPERA_COMPARE(holidays.easter_day)
    VESPERA_COMPARE(summer_time)
    VESPERA_COMPARE(season_jd_ut)
    // Any member that reads the phases may build them: only a built table that changed counts.
    if (a.phases && b.phases) {
        VESPERA_COMPARE(phases->full_moon_jd)
        VESPERA_COMPARE(phases->blue_moon)
        VESPERA_COMPARE(phases->new_moon_jd)
        VESPERA_COMPARE(phases->full_moon_local)
        VESPERA_COMPARE(phases->new_moon_local)
    }
#undef VESPERA_COMPARE
    return {};
}

// The field a call changed although it is none of its business: only the
// date setters (and Feiertag_Datum) move the date, every other member that
// needs another day puts the date back; the place, time and zone change only
// through their setters.
std::string unexpected_change(int call, const Fields& a, const Fields& b) {
    const bool date_call = call == 0 || call == 1 || call == 2 || call == 3 || call == 5 || call == 11 ||
                           call == 13 || call == 21;
#define VESPERA_MAY_CHANGE(member, allowed) \
    if (!(allowed) && !same(a.member, b.member)) return #member;
    VESPERA_MAY_CHANGE(Kalender, date_call)
    VESPERA_MAY_CHANGE(Tag, date_call)
    VESPERA_MAY_CHANGE(Monat, date_call)
    VESPERA_MAY_CHANGE(Jahr, date_call)
    VESPERA_MAY_CHANGE(JD, date_call)
    VESPERA_MAY_CHANGE(Longitude, call == 28)
    VESPERA_MAY_CHANGE(Latitude, call == 29)
    VESPERA_MAY_CHANGE(Stunde, call == 30)
    VESPERA_MAY_CHANGE(Minute, call == 30)
    VESPERA_MAY_CHANGE(Sekunde, call == 30)
    VESPERA_MAY_CHANGE(Zeitzone_Offset, call == 27)
    VESPERA_MAY_CHANGE(sun_altitude_deg, call == 42)
    VESPERA_MAY_CHANGE(culmination_altitude_deg, call == 31 || call == 32 || call == 42)
    VESPERA_MAY_CHANGE(culmination_pending, call == 31 || call == 32 || call == 42)
    VESPERA_MAY_CHANGE(culmination_jd_ut, call == 31 || call == 32)
    VESPERA_MAY_CHANGE(culmination_longitude_deg, call == 31 || call == 32)
    VESPERA_MAY_CHANGE(culmination_latitude_deg, call == 31 || call == 32)
    VESPERA_MAY_CHANGE(IstSonnenfinsternis, call == 43)
    VESPERA_MAY_CHANGE(Saroszyklus, call == 43)
#undef VESPERA_MAY_CHANGE
    return {};
}

std::int32_t wrapped_year(std::int32_t value) {
    if (value >= vespera::kLargestYear + 1) return -vespera::kLargestYear;
    if (value < -vespera::kLargestYear) return vespera::kLargestYear;
    return value;
}

struct Harness {
    clsCalendar cal;
    std::vector<std::string> faults;
    std::int64_t clock_seconds = 12 * 3600;
    std::string last_call;

    Harness() {
        cal.setClock([this] { return std::chrono::seconds(clock_seconds); });
        cal.setErrorReporter([this](const std::string& text) { faults.push_back(text); });
    }

    void text(const std::string& value) {
        fuzz::check(fuzz::valid_utf8(value), last_call + " returned text that is not UTF-8: " + value);
    }
};

void check_fault_message(const std::string& message, const std::string& call) {
    static const std::regex kForm(
        R"(Error (5 \(Invalid procedure call or argument\)|6 \(Overflow\)|9 \(Subscript out of range\)|11 \(Division by zero\)|13 \(Type mismatch\)), line [0-9]+  in procedure [A-Za-z_]+ of Klassenmodul clsCalendar)");
    fuzz::check(std::regex_match(message, kForm), call + ": fault message not in the engine's form: " + message);
}

// Runs one call chosen by `op` with arguments from the input.
void run_call(Harness& h, fuzz::Reader& in, std::uint8_t op) {
    clsCalendar& c = h.cal;
    switch (op % 50) {
    case 0: { const auto v = in.int32(); h.last_call = "setTag(" + std::to_string(v) + ")"; c.setTag(v); break; }
    case 1: { const auto v = in.int32(); h.last_call = "setMonat(" + std::to_string(v) + ")"; c.setMonat(v); break; }
    case 2: {
        const auto v = in.int32();
        h.last_call = "setJahr(" + std::to_string(v) + ")";
        const std::size_t before = h.faults.size();
        c.setJahr(v);
        if (h.faults.size() == before) {
            fuzz::check(c.Jahr() == wrapped_year(v), h.last_call + ": year not taken");
            const auto tables = EngineTestAccess::tables(c);
            fuzz::check(vespera::civil_date(tables.holidays.easter_day).year == c.Jahr(),
                        h.last_call + ": the year's tables are not those of the new year");
        }
        break;
    }
    case 3: { const auto v = in.int32(); h.last_call = "setKalender(" + std::to_string(v) + ")"; c.setKalender(v); break; }
    case 4: h.last_call = "JD()"; (void)c.JD(); break;
    case 5: { const double v = in.real(); h.last_call = "setJD(" + std::to_string(v) + ")"; c.setJD(v); break; }
    case 6: h.last_call = "Schaltjahr()"; (void)c.Schaltjahr(); break;
    case 7: {
        const auto v = in.int32();
        h.last_call = "MonatsTage(" + std::to_string(v) + ")";
        const std::size_t before = h.faults.size();
        const std::int32_t days = c.MonatsTage(v);
        if (h.faults.size() == before) fuzz::check(days >= 28 && days <= 31, h.last_call + " out of range");
        break;
    }
    case 8: { const auto v = in.int32(); h.last_call = "MonatsName"; h.text(c.MonatsName(v)); break; }
    case 9: {
        const auto v = in.int32();
        h.last_call = "Wochentag(" + std::to_string(v) + ")";
        const clsCalendar::Variant day = c.Wochentag(v);
        if (const auto* index = std::get_if<std::int32_t>(&day)) fuzz::check(*index >= 0 && *index <= 6, h.last_call);
        if (const auto* name = std::get_if<std::string>(&day)) h.text(*name);
        break;
    }
    case 10: { const auto v = in.int32(); h.last_call = "Wochentag_Name"; h.text(c.Wochentag_Name(v)); break; }
    case 11: {
        const std::chrono::year_month_day date{std::chrono::year{in.int16()}, std::chrono::month{in.byte()},
                                               std::chrono::day{in.byte()}};
        h.last_call = "SetDatum";
        c.SetDatum(date);
        break;
    }
    case 12: h.last_call = "TagesZahl()"; (void)c.TagesZahl(); break;
    case 13: { const auto v = in.int32(); h.last_call = "TagesZahl_Setzen(" + std::to_string(v) + ")"; c.TagesZahl_Setzen(v); break; }
    case 14: h.last_call = "Woche()"; (void)c.Woche(); break;
    case 15: { const auto v = in.int32(); h.last_call = "Format_Datum(" + std::to_string(v) + ")"; h.text(c.Format_Datum(v)); break; }
    case 16: {
        const auto a = in.int32(), b = in.int32(), unit = in.int32();
        const bool round = in.flag();
        h.last_call = "DatumsDifferenz";
        (void)c.DatumsDifferenz(a, b, unit, round);
        break;
    }
    case 17: {
        const auto kal = in.int32(), era = in.int32();
        h.last_call = "ConvertDate(" + std::to_string(kal) + ", " + std::to_string(era) + ")";
        h.text(c.ConvertDate(kal, era));
        break;
    }
    case 18: {
        h.last_call = "Feiertage_Einlesen()";
        const std::size_t before = h.faults.size();
        c.Feiertage_Einlesen();
        if (h.faults.size() == before) {
            fuzz::check(vespera::civil_date(EngineTestAccess::tables(c).holidays.easter_day).year == c.Jahr(),
                        "Feiertage_Einlesen built another year's tables");
        }
        break;
    }
    case 19: {
        h.last_call = "Feiertage_Anzahl()";
        const std::int32_t last = c.Feiertage_Anzahl();
        // Without a region the described slots; a country outside Germany
        // has its own, shorter or longer, table; -1 before a year's table
        // stands (none built yet, or its building failed).
        fuzz::check(last == -1 || (c.Region().empty() ? last == clsCalendar::kHolidayCount - 1
                                                      : last >= 0 && last < static_cast<std::int32_t>(
                                                                                 vespera::largest_holiday_table())),
                    h.last_call);
        break;
    }
    case 20: { const auto v = in.int32(); h.last_call = "Feiertag_NurName"; h.text(c.Feiertag_NurName(v)); break; }
    case 21: { const auto v = in.int32(); h.last_call = "Feiertag_Datum(" + std::to_string(v) + ")"; c.Feiertag_Datum(v); break; }
    case 22: { const auto v = in.int32(); h.last_call = "Feiertag_Name"; h.text(c.Feiertag_Name(v)); break; }
    case 23: { const auto v = in.int32(); h.last_call = "FerienName(" + std::to_string(v) + ")"; h.text(c.FerienName(v)); break; }
    case 24:
        h.last_call = "SpezialTag/SpezialInfo";
        h.text(c.SpezialTag());
        h.text(c.SpezialInfo());
        break;
    case 25: {
        const auto v = in.int32();
        h.last_call = "IstSommerzeit";
        (void)c.IstSommerzeit();
        (void)c.IstSommerzeitDatum(v);
        (void)c.IstWinterzeitDatum(v);
        break;
    }
    case 26:
        h.last_call = "Sommerzeit_Datum/Winterzeit_Datum";
        h.text(c.Sommerzeit_Datum());
        h.text(c.Winterzeit_Datum());
        break;
    case 27: {
        const double v = in.real();
        h.last_call = "setZeitzone_Offset(" + std::to_string(v) + ")";
        // The float nearest the double; beyond the float range an infinity.
        constexpr double kLargestFloat = std::numeric_limits<float>::max();
        const float offset = std::isnan(v)           ? std::numeric_limits<float>::quiet_NaN()
                             : v > kLargestFloat     ? std::numeric_limits<float>::infinity()
                             : v < -kLargestFloat    ? -std::numeric_limits<float>::infinity()
                                                     : static_cast<float>(v);
        c.setZeitzone_Offset(offset);
        break;
    }
    case 28: { const double v = in.real(); h.last_call = "setLongitude(" + std::to_string(v) + ")"; c.setLongitude(v); break; }
    case 29: { const double v = in.real(); h.last_call = "setLatitude(" + std::to_string(v) + ")"; c.setLatitude(v); break; }
    case 30: {
        const auto v = in.int32();
        h.last_call = "setStunde/Minute/Sekunde(" + std::to_string(v) + ")";
        switch (in.byte() % 3) {
        case 0: c.setStunde(v); break;
        case 1: c.setMinute(v); break;
        default: c.setSekunde(v); break;
        }
        break;
    }
    case 31: {
        const std::uint8_t which = in.byte() % 9;
        static constexpr const char* kNames[9] = {"AufgangSonne", "DaemmerungAnfang", "DaemmerungEnde",
                                                  "UntergangSonne", "Tageslaenge", "Kulmination_Sonne",
                                                  "AufgangMond", "UntergangMond", "KulminationHoehe_Sonne"};
        h.last_call = kNames[which];
        std::string (clsCalendar::*const kCalls[9])() = {
            &clsCalendar::AufgangSonne, &clsCalendar::DaemmerungAnfang, &clsCalendar::DaemmerungEnde,
            &clsCalendar::UntergangSonne, &clsCalendar::Tageslaenge, &clsCalendar::Kulmination_Sonne,
            &clsCalendar::AufgangMond, &clsCalendar::UntergangMond, &clsCalendar::KulminationHoehe_Sonne};
        h.text((c.*kCalls[which])());
        break;
    }
    case 32:
    case 33: {
        const auto year = in.int16(), month = in.int16(), day = in.int16();
        const double offset = in.real(), lon = in.real(), lat = in.real();
        const auto code = in.int16();
        h.last_call = std::string(op % 50 == 32 ? "sunevent" : "moonevent") + "(" + std::to_string(year) + ", " +
                      std::to_string(month) + ", " + std::to_string(day) + ", " + std::to_string(offset) + ", " +
                      std::to_string(lon) + ", " + std::to_string(lat) + ", " + std::to_string(code) + ")";
        h.text(op % 50 == 32 ? c.sunevent(year, month, day, offset, lon, lat, code)
                             : c.moonevent(year, month, day, offset, lon, lat, code));
        break;
    }
    case 34: { const double v = in.real(); h.last_call = "ZGL(" + std::to_string(v) + ")"; (void)c.ZGL(v); break; }
    case 35: { const bool v = in.flag(); h.last_call = "MondPhase"; h.text(c.MondPhase(v)); break; }
    case 36: {
        const auto y = in.int32(), m = in.int32(), d = in.int32(), i = in.int32();
        h.last_call = "Neumonde_Berechnen(" + std::to_string(y) + ", " + std::to_string(m) + ", " +
                      std::to_string(d) + ", " + std::to_string(i) + ")";
        (void)c.Neumonde_Berechnen(y, m, d, i);
        break;
    }
    case 37: {
        const auto v = in.int32();
        h.last_call = "IstVollmond/IstNeumond/IstBluemoon/_Info(" + std::to_string(v) + ")";
        (void)c.IstVollmond(v);
        (void)c.IstNeumond(v);
        (void)c.IstBluemoon(v);
        h.text(c.IstVollmond_Info(v));
        h.text(c.IstNeumond_Info(v));
        break;
    }
    case 38: {
        const auto v = in.int32();
        const std::uint8_t which = in.byte() % 6;
        h.last_call = "Vollmond/Neumond_Datum/_Info/_day(" + std::to_string(v) + ")";
        switch (which) {
        case 0: h.text(c.Vollmond_Datum(v)); break;
        case 1: h.text(c.Neumond_Datum(v)); break;
        case 2: h.text(c.Vollmond_Info(v)); break;
        case 3: h.text(c.Neumond_Info(v)); break;
        case 4: (void)c.full_moon_day(v); break;
        default: (void)c.new_moon_day(v); break;
        }
        break;
    }
    case 39: h.last_call = "Jahreszeiten_Berechnen()"; c.Jahreszeiten_Berechnen(); break;
    case 40: h.last_call = "Jahreszeit/Sternzeichen"; h.text(c.Jahreszeit()); h.text(c.Sternzeichen()); break;
    case 41: {
        const auto v = in.int32();
        const std::uint8_t which = in.byte() % 3;
        h.last_call = "Jahreszeit_Name/_Datum/_Laenge(" + std::to_string(v) + ")";
        switch (which) {
        case 0: h.text(c.Jahreszeit_Name(v)); break;
        case 1: h.text(c.Jahreszeit_Datum(v)); break;
        default: h.text(c.Jahreszeit_Laenge(v)); break;
        }
        break;
    }
    case 42: {
        const std::uint8_t which = in.byte() % 4;
        h.last_call = "Sonne_Position/Sonne_Hoehe/SonneEntfernung";
        switch (which) {
        case 0: c.Sonne_Position(); break;
        case 1: h.text(c.Sonne_Hoehe()); break;
        case 2: h.text(c.SonneEntfernung()); break;
        default: {
            const double v = in.real();
            h.last_call = "Sonne_KulminationHoehe(" + std::to_string(v) + ")";
            (void)c.Sonne_KulminationHoehe(v);
            break;
        }
        }
        break;
    }
    case 43: {
        const std::uint8_t which = in.byte() % 8;
        h.last_call = "GlobalStrahlung/MittlereTemperatur/SonneMaximumEnergie/Sonnenstrahlung/MondEntfernung/eclipses";
        switch (which) {
        case 0: h.text(c.GlobalStrahlung()); break;
        case 1: h.text(c.MittlereTemperatur()); break;
        case 2: (void)c.SonneMaximumEnergie(); break;
        case 3: c.Sonnenstrahlung(); (void)c.IstSonnenfinsternis(); (void)c.Saroszyklus(); break;
        case 4: (void)c.MondEntfernung(); break;
        case 5: (void)c.solar_eclipse_of_day(); break;
        case 6: (void)c.lunar_eclipse_of_day(); break;
        default: {
            const vespera::YearEclipses year = c.eclipses_of_year();
            fuzz::check(year.solar.size() <= 5 && year.lunar.size() <= 5, "eclipses_of_year: more than five");
            break;
        }
        }
        break;
    }
    case 44: h.last_call = "setDecimalSeparator"; c.setDecimalSeparator(in.flag() ? ',' : '.'); break;
    case 45: {
        // Zones by name: a few real ones, and whatever bytes follow.
        static constexpr const char* kZones[] = {"", "Europe/Berlin", "America/New_York", "Australia/Sydney",
                                                 "Africa/Johannesburg", "Asia/Kolkata", "Pacific/Chatham"};
        const std::uint8_t pick = in.byte();
        const std::string zone = pick < 7 * 30 ? kZones[pick % 7] : in.text(24);
        h.last_call = "setZeitzone(" + zone + ")";
        const std::string before = c.Zeitzone();
        const std::size_t faults = h.faults.size();
        c.setZeitzone(zone);
        if (h.faults.size() > faults) fuzz::check(c.Zeitzone() == before, "a refused zone changed the zone");
        break;
    }
    case 46: { const double v = in.real(); h.last_call = "IstSommerzeitUm(" + std::to_string(v) + ")"; (void)c.IstSommerzeitUm(v); break; }
    case 47: {
        // Regions by code: the kept ones, other codes, and whatever bytes
        // follow; or the place of the one-city days.
        static constexpr const char* kRegions[] = {"", "DE-BY", "CH-BS", "DE-SN", "AT", "CH-FR", "AT-9", "LI"};
        const std::uint8_t pick = in.byte();
        if (in.flag()) {
            const std::string region = pick < 8 * 30 ? kRegions[pick % 8] : in.text(12);
            h.last_call = "setRegion(" + region + ")";
            const std::string before = c.Region();
            const std::size_t faults = h.faults.size();
            c.setRegion(region);
            if (h.faults.size() > faults) fuzz::check(c.Region() == before, "a refused region changed the region");
        } else if (in.flag()) {
            const std::string place = pick % 2 == 0 ? "Augsburg" : in.text(12);
            h.last_call = "setPlaceName(" + place + ")";
            c.setPlaceName(place);
        } else {
            // Commune keys: München, a Freiburg commune, or any bytes.
            const std::string key = pick % 3 == 0 ? "09162000" : pick % 3 == 1 ? "2275" : in.text(10);
            h.last_call = "setCommuneKey(" + key + ")";
            c.setCommuneKey(key);
        }
        for (std::int32_t i = 0; i <= c.Feiertage_Anzahl(); ++i) {
            const vespera::NamedDayEntry entry = c.named_day(i);
            fuzz::check(entry.name == c.Feiertag_NurName(i), "named_day and Feiertag_NurName disagree");
            if (c.Region().empty()) {
                fuzz::check(entry.status == vespera::StatutoryStatus::No, "statutory without region");
            }
        }
        break;
    }
    default:
        // The window's clock always reads a time of day.
        h.last_call = "setClock";
        h.clock_seconds = in.raw<std::uint32_t>() % 86400u;
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    Harness h;
    // A place, then a date the way the window sets one: calendar first, which
    // also makes the new engine's fields consistent.
    h.cal.setDecimalSeparator(',');
    h.cal.setLongitude(13.2975);
    h.cal.setLatitude(52.5222222222222);
    h.cal.setZeitzone_Offset(1.0f);
    h.cal.setKalender(1);
    h.cal.setJahr(in.int32());
    h.cal.setMonat(in.int32());
    h.cal.setTag(in.int32());

    for (int call = 0; call < kMaxCalls && !in.empty(); ++call) {
        const std::uint8_t op = in.byte();
        const Fields fields_before = EngineTestAccess::fields(h.cal);
        const Tables tables_before = EngineTestAccess::tables(h.cal);
        const std::size_t faults_before = h.faults.size();
        const auto started = std::chrono::steady_clock::now();

        run_call(h, in, op);

        const auto took = std::chrono::steady_clock::now() - started;
        fuzz::check(took < kSlowCall, h.last_call + " took " +
                                          std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) +
                                          " ms");
        const std::size_t reported = h.faults.size() - faults_before;
        // Calls that make several engine calls report up to one fault each
        // (call 38 asks full_moon_day and new_moon_day together).
        const std::size_t allowed = (op % 50 >= 24 && op % 50 <= 26) || op % 50 == 37 || op % 50 == 40 ? 5
                                    : op % 50 == 38                                                    ? 2
                                                                                                       : 1;
        fuzz::check(reported <= allowed, h.last_call + " reported " + std::to_string(reported) + " faults");
        for (std::size_t i = faults_before; i < h.faults.size(); ++i) check_fault_message(h.faults[i], h.last_call);

        const Fields fields_after = EngineTestAccess::fields(h.cal);
        if (reported > 0) {
            const std::string field = differing_field(fields_before, fields_after);
            fuzz::check(field.empty(), h.last_call + " reported a fault (" + h.faults.back() +
                                           ") and changed the field " + field);
            const std::string table = differing_table(tables_before, EngineTestAccess::tables(h.cal));
            fuzz::check(table.empty(), h.last_call + " reported a fault (" + h.faults.back() +
                                           ") and changed the table " + table);
        }
        const std::string moved = unexpected_change(op % 50, fields_before, fields_after);
        fuzz::check(moved.empty(), h.last_call + " changed the field " + moved);
        fuzz::check(std::int64_t{fields_after.JD} ==
                        vespera::day_number(fields_after.Jahr, fields_after.Monat, fields_after.Tag),
                    h.last_call + " left a day number that is not that of Tag/Monat/Jahr");
    }
    return 0;
}
