// sonne [JAHR]: the year's table of sun and moon, one row a day.
#include "cli/arguments.h"
#include "cli/session.h"
#include "cli/shared_options.h"
#include "report/sun_table.h"

namespace vespera::cli {
namespace {

class SunCommand final : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("JAHR", year_, kYearHelp)->type_name("")->check(year_rule());
    }
    Outcome run(const Invocation& invocation) const override {
        return run_at_place(invocation, ReportDay{true, {}, parse_year(year_)}, [&](Session& session, Outcome& outcome) {
            const report::SunTable table = report::sun_table(session.cal, session.place.heading);
            outcome.out = invocation.format == Format::Csv    ? sun_table_csv(table)
                          : invocation.format == Format::Json ? sun_table_json(table)
                                                              : sun_table_text(table);
            return Ending{table.stopped, {}};
        });
    }

private:
    std::string year_;
};

} // namespace

std::unique_ptr<Command> make_sun_command() { return std::make_unique<SunCommand>(); }

} // namespace vespera::cli
