#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "engine_test_access.h"

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
        EngineForTest cached, fresh;
        EngineTestAccess::use_sample_cache(fresh.cal, false);
        for (EngineForTest* e : {&cached, &fresh}) {
            e->cal.setLongitude(place.longitude_deg);
            e->cal.setLatitude(place.latitude_deg);
            e->cal.setZeitzone_Offset(place.offset_hours);
            e->at(2024, 1, 1);
        }
        for (int day = 1; day <= 366; ++day) {
            cached.cal.TagesZahl_Setzen(day);
            fresh.cal.TagesZahl_Setzen(day);
            ASSERT_EQ(day_results(cached.cal), day_results(fresh.cal)) << place.name << " day " << day;
            ASSERT_EQ(cached.cal.KulminationHoehe_Sonne(), fresh.cal.KulminationHoehe_Sonne()) << place.name << day;
        }
    }
}

TEST(SampleCache, StaleAfterAnyChangeOfDayPlaceOrOffset) {
    EngineForTest cached, fresh;
    EngineTestAccess::use_sample_cache(fresh.cal, false);
    auto both = [&](auto&& change) {
        change(cached.cal);
        change(fresh.cal);
        EXPECT_EQ(day_results(cached.cal), day_results(fresh.cal));
    };
    both([](clsCalendar& c) { c.setLongitude(13.2975); c.setLatitude(52.52); c.setZeitzone_Offset(1); c.setKalender(1); c.setJahr(2024); c.setMonat(3); c.setTag(30); });
    both([](clsCalendar& c) { c.setTag(31); });                  // summer time starts: offset + 1 h
    both([](clsCalendar& c) { c.setLatitude(-33.9); });
    both([](clsCalendar& c) { c.setLongitude(-74.0); });
    both([](clsCalendar& c) { c.setZeitzone_Offset(-5); });
    both([](clsCalendar& c) { c.setJahr(1990); });               // other clock-change tables
    // A direct call for another day leaves the wrappers' day correct.
    both([](clsCalendar& c) { (void)c.sunevent(2024, 6, 21, 2.0, 10.0, 60.0, 2); });
}

} // namespace
