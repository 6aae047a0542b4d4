// Interim: replaced by the full Zone (tz database) on merge.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera {

struct ClockOffset {
    double hours = 0.0;
    bool summer = false;
};

struct SummerTimeDays {
    std::int32_t start_day = 0;
    std::int32_t end_day = 0;
};

struct ClockChange {
    double jd_ut;
    ClockOffset before;
    ClockOffset after;
};

class Zone {
public:
    static Zone german_rules(double standard_offset_hours);
    static std::optional<Zone> named(std::string_view iana_name);
    static std::vector<std::string> known_names();

    const std::string& name() const { return name_; }
    ClockOffset at(double jd_ut) const;
    double local_jd(double jd_ut) const { return jd_ut + at(jd_ut).hours / 24.0; }
    ClockOffset at_local(double local_jd) const;
    double ut_of_local(double local_jd) const { return local_jd - at_local(local_jd).hours / 24.0; }
    SummerTimeDays summer_time_days(std::int64_t year) const;
    std::vector<ClockChange> changes_in_year(std::int64_t year) const;

private:
    std::string name_;
    double standard_offset_hours_ = 0.0;
};

} // namespace vespera
