// Adds a report's rows while watching the engine's faults. Each add is made
// after the engine call that produced its text; when a call has reported a
// fault, the add refuses, marks the report stopped and the builder returns:
// the rows so far stay, and the engine has shown its one message.
#pragma once

#include <cstdint>
#include <string>

#include "engine/clsCalendar.h"
#include "report/report.h"

namespace vespera::report {

class RowWriter {
public:
    RowWriter(const clsCalendar& cal, Report& report) : cal_(cal), report_(report), faults_(cal.fault_count()) {}

    // False once any engine call since the start has failed.
    [[nodiscard]] bool fine() {
        if (cal_.fault_count() != faults_) report_.stopped = true;
        return !report_.stopped;
    }
    [[nodiscard]] bool heading(std::string text) {
        if (!fine()) return false;
        report_.heading = std::move(text);
        return true;
    }
    [[nodiscard]] bool subheading(std::string text) { return add({std::move(text), {}, RowKind::Heading, {}}); }
    [[nodiscard]] bool entry(std::string label, std::string value, std::string iso = {}, TypedValue typed = {}) {
        return add({std::move(label), std::move(value), RowKind::Entry, std::move(iso), {}, std::move(typed)});
    }
    [[nodiscard]] bool entry(std::string label, std::string value, TypedValue typed) {
        return entry(std::move(label), std::move(value), {}, std::move(typed));
    }
    [[nodiscard]] bool add(Row row) {
        if (!fine()) return false;
        report_.rows.push_back(std::move(row));
        return true;
    }

private:
    const clsCalendar& cal_;
    Report& report_;
    std::uint64_t faults_;
};

} // namespace vespera::report
