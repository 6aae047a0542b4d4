// ical [JAHR] [-o DATEI]: the year's holidays as an iCalendar file.
#include "cli/arguments.h"
#include "cli/session.h"
#include "cli/shared_options.h"
#include "cli/usage.h"
#include "report/ical.h"

namespace vespera::cli {
namespace {

class IcalCommand final : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("JAHR", year_, kYearHelp)->type_name("")->check(year_rule());
        output_option_ = command.add_option("-o", output_, "In diese Datei schreiben (neu; - f\u00fcr die Standardausgabe)")
                             ->type_name("DATEI")
                             ->group("Optionen");
        command.add_flag("--ueberschreiben", replace_, "Eine vorhandene Datei ersetzen")->group("Optionen");
    }
    bool takes_categories() const override { return true; }
    Outcome run(const Invocation& invocation) const override {
        // --format text is what ical always accepted; the others do not fit a calendar file.
        if (invocation.format != Format::Text) return usage_error("ical schreibt iCalendar; --format passt nicht dazu.");
        return run_at_place(invocation, ReportDay{true, {}, parse_year(year_)}, [&](Session& session, Outcome& outcome) {
            const report::HolidayCalendar calendar = report::holiday_calendar(session.cal, invocation.categories);
            if (!calendar.error.empty()) return Ending{false, calendar.error};
            if (!calendar.note.empty()) outcome.err += "vespera-cli: " + calendar.note + "\n";
            const Environment& environment = *invocation.environment;
            const std::string document =
                report::ical_document(calendar, report::ical_stamp(environment.now_unix_seconds));
            if (!session.first_fault.empty()) return Ending{false, session.first_fault};
            if (output_option_->count() == 0 || output_ == "-") {
                outcome.out = document;
                return Ending{};
            }
            return Ending{false, environment.write_file ? environment.write_file(output_, document, replace_)
                                                        : std::string("Schreiben ist hier nicht m\u00f6glich.")};
        });
    }

private:
    std::string year_, output_;
    bool replace_ = false;
    CLI::Option* output_option_ = nullptr;
};

} // namespace

std::unique_ptr<Command> make_ical_command() { return std::make_unique<IcalCommand>(); }

} // namespace vespera::cli
