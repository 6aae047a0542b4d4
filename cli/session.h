// What the commands that read the engine share: the place chosen, the
// engine set to it and its clock, and the first fault the engine reports.
#pragma once

#include <functional>
#include <string>

#include "cli/command.h"
#include "engine/clsCalendar.h"
#include "report/report.h"
#include "zones/place_clock.h"

namespace vespera::cli {

// The day a command reports on: a date, or 1 January of a year; without
// either, the place's today or its present year.
struct ReportDay {
    bool yearly = false;
    std::optional<std::int32_t> day;  // a day number
    std::optional<std::int32_t> year; // when `yearly`
};

struct Session {
    const ChosenPlace& place;
    PlaceNow now;
    report::ClockTime now_time;
    clsCalendar cal;
    std::string first_fault;

    Session(const ChosenPlace& chosen, const Invocation& invocation, const ReportDay& day);
    Session(const Session&) = delete; // the engine's reporter points into it
    Session& operator=(const Session&) = delete;
};

// How a command body ends: `stopped` for a report cut short, `problem` for
// a failure it names itself.
struct Ending {
    bool stopped = false;
    std::string problem;
};

// Chooses the place (its failure ends with 1), runs `body` on a session,
// and turns a fault or a stop into a failure; what `body` wrote stays.
Outcome run_at_place(const Invocation& invocation, const ReportDay& day,
                     const std::function<Ending(Session&, Outcome&)>& body);

// A report in the chosen format; `list` writes JSON as an array of rows.
std::string written(const report::Report& report, Format format, bool list);

} // namespace vespera::cli
