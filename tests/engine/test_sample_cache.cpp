#include <gtest/gtest.h>

#include "engine_fixture.h"
#include <functional>
#include <vector>

namespace {

struct Place {
    const char* name;
    double longitude_deg, latitude_deg;
    float offset_hours;
};

std::array<std::string, 8> day_results(clsCalendar& cal) {
    // A mixed order, so that no result relies on another having run first.
    return {cal.UntergangMond(), cal.Tageslaenge(),      cal.AufgangSonne(),     cal.DaemmerungEnde(),
            cal.AufgangMond(),   cal.Kulmination_Sonne(), cal.DaemmerungAnfang(), cal.UntergangSonne()};
}

TEST(SampleCache, SameStringsAsComputingEveryResultAfresh) {
    const Place places[] = {{"Berlin", 13.2975, 52.5222222222222, 1.0f},
                            {"Cape Town (SA)", 18.421989440918, -33.9190902709961, 1.0f},
                            {"New York (USA)", -74.0071182250977, 40.7145500183105, -5.0f},
                            {"polar", 15.6, 78.2, 1.0f}};
    for (const Place& place : places) {
        EngineForTest cached;
        cached.cal.setLongitude(place.longitude_deg);
        cached.cal.setLatitude(place.latitude_deg);
        cached.cal.setZeitzone_Offset(place.offset_hours);
        cached.at(2024, 1, 1);
        for (int day = 1; day <= 366; day += 3) {
            cached.cal.TagesZahl_Setzen(day);
            // A new engine for each result has nothing kept from before.
            const auto fresh_result = [&](int which) {
                EngineForTest fresh;
                fresh.cal.setLongitude(place.longitude_deg);
                fresh.cal.setLatitude(place.latitude_deg);
                fresh.cal.setZeitzone_Offset(place.offset_hours);
                fresh.at(2024, 1, 1);
                fresh.cal.TagesZahl_Setzen(day);
                return which < 8 ? day_results(fresh.cal)[static_cast<std::size_t>(which)]
                                 : (fresh.cal.Kulmination_Sonne(), fresh.cal.KulminationHoehe_Sonne());
            };
            const auto cached_results = day_results(cached.cal);
            for (int which = 0; which < 8; ++which) {
                ASSERT_EQ(cached_results[static_cast<std::size_t>(which)], fresh_result(which))
                    << place.name << " day " << day << " result " << which;
            }
            ASSERT_EQ(cached.cal.KulminationHoehe_Sonne(), fresh_result(8)) << place.name << day;
        }
    }
}

TEST(SampleCache, StaleAfterAnyChangeOfDayPlaceOrOffset) {
    EngineForTest cached;
    // Every step is applied to the kept engine; a new engine set up with all
    // steps so far must agree with it.
    std::vector<std::function<void(clsCalendar&)>> steps;
    auto step = [&](std::function<void(clsCalendar&)> change) {
        steps.push_back(change);
        change(cached.cal);
        EngineForTest fresh;
        for (const auto& s : steps) s(fresh.cal);
        EXPECT_EQ(day_results(cached.cal), day_results(fresh.cal)) << steps.size();
    };
    step([](clsCalendar& c) { c.setLongitude(13.2975); c.setLatitude(52.52); c.setZeitzone_Offset(1); c.setKalender(1); c.setJahr(2024); c.setMonat(3); c.setTag(30); });
    step([](clsCalendar& c) { c.setTag(31); });                  // summer time starts: offset + 1 h
    step([](clsCalendar& c) { c.setLatitude(-33.9); });
    step([](clsCalendar& c) { c.setLongitude(-74.0); });
    step([](clsCalendar& c) { c.setZeitzone_Offset(-5); });
    step([](clsCalendar& c) { c.setJahr(1990); });               // other clock-change tables
    // A direct call for another day leaves the wrappers' day correct.
    step([](clsCalendar& c) { (void)c.sunevent(2024, 6, 21, 2.0, 10.0, 60.0, 2); });
}

} // namespace
