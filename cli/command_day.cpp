// tag [DATUM]: the day report; kalender [DATUM]: the day in other calendars;
// planeten [DATUM]: the planets of the day.
#include "cli/arguments.h"
#include "cli/own_date_files.h"
#include "cli/session.h"
#include "cli/shared_options.h"
#include "cli/sky_formats.h"
#include "ephemeris/calendar.h"
#include "report/day_report.h"
#include "report/planet_rows.h"

namespace vespera::cli {
namespace {

class DatedCommand : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("DATUM", date_, help())->type_name("")->check(date_rule());
    }
    Outcome run(const Invocation& invocation) const override {
        Outcome outcome =
            run_at_place(invocation, ReportDay{false, parse_date(date_), {}}, [&](Session& session, Outcome& outcome) {
                return write(session, invocation, outcome);
            });
        // On standard error: the formats on standard output stay as they are.
        outcome.err = date_notes(date_) + outcome.err;
        return outcome;
    }

protected:
    virtual Ending write(Session& session, const Invocation& invocation, Outcome& outcome) const {
        const report::Report report = build(session);
        outcome.out = written(report, invocation.format, false);
        return Ending{report.stopped, {}};
    }
    virtual const char* help() const = 0;
    virtual report::Report build(Session& session) const = 0;

private:
    std::string date_;
};

class DayCommand final : public DatedCommand {
    const char* help() const override {
        return "Tag.Monat.Jahr (8.4.2024) oder JJJJ-MM-TT (2024-04-08); ohne: heute am Ort";
    }
    report::Report build(Session& session) const override {
        return report::day_report(session.cal, *session.place.zone, session.place.heading, session.now_time);
    }
    // The report, then the day's own dates.
    Ending write(Session& session, const Invocation& invocation, Outcome& outcome) const override {
        report::Report report = build(session);
        if (!report.stopped) {
            LoadedOwnDates loaded = load_own_dates(invocation, *session.place.zone);
            if (!loaded.dates) return Ending{false, loaded.error};
            outcome.err += loaded.note;
            report::add_own_date_section(report, *loaded.dates,
                                         day_number(session.cal.Jahr(), session.cal.Monat(), session.cal.Tag()));
        }
        outcome.out = written(report, invocation.format, false);
        return Ending{report.stopped, {}};
    }
};

class CalendarsCommand final : public DatedCommand {
    const char* help() const override { return "Tag.Monat.Jahr oder JJJJ-MM-TT; ohne: heute am Ort"; }
    report::Report build(Session& session) const override {
        return report::other_calendars_report(session.cal, session.place.heading, session.now_time);
    }
};

class PlanetsCommand final : public DatedCommand {
    const char* help() const override { return "Tag.Monat.Jahr oder JJJJ-MM-TT; ohne: heute am Ort"; }
    report::Report build(Session&) const override { return {}; }
    Ending write(Session& session, const Invocation& invocation, Outcome& outcome) const override {
        const Format format = invocation.format;
        const report::PlanetTable table = report::planet_table(session.cal, *session.place.zone, session.place.heading);
        outcome.out = format == Format::Csv    ? planet_csv(table)
                      : format == Format::Json ? planet_json(table)
                                               : report::copied_text(table.report);
        return Ending{table.report.stopped, {}};
    }
};

} // namespace

std::unique_ptr<Command> make_planets_command() { return std::make_unique<PlanetsCommand>(); }
std::unique_ptr<Command> make_day_command() { return std::make_unique<DayCommand>(); }
std::unique_ptr<Command> make_calendars_command() { return std::make_unique<CalendarsCommand>(); }

} // namespace vespera::cli
