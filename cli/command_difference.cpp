// differenz DATUM1 DATUM2: the days between two dates, read as the window reads them.
#include "cli/arguments.h"
#include "cli/session.h"
#include "cli/shared_options.h"
#include "cli/usage.h"
#include "report/date_difference.h"

namespace vespera::cli {
namespace {

class DifferenceCommand final : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("DATUM1", first_, "das erste Datum")->type_name("")->required()->check(
            typed_date_rule("Erstes Datum"));
        command.add_option("DATUM2", second_, "das zweite Datum")->type_name("")->required()->check(
            typed_date_rule("Zweites Datum"));
    }
    Outcome run(const Invocation& invocation) const override {
        // A place that cannot be found fails here too, as with every other command.
        const PlaceOutcome chosen = choose_place(invocation.place, invocation.environment->gazetteer);
        Outcome outcome;
        outcome.err = date_notes(first_, second_) + chosen.note;
        if (!chosen.place) return failure(chosen.error, std::move(outcome));
        const ChosenPlace& place = *chosen.place;
        // Working days count the place's communes only in its own region.
        const bool own_region = !invocation.region || *invocation.region == place.region;
        const report::WorkingDayPlace where{own_region ? place.region : *invocation.region,
                                            own_region ? place.name : std::string{},
                                            own_region ? place.commune_key : std::string{}};
        const std::int32_t first = *report::read_typed_date(first_).day;
        const std::int32_t second = *report::read_typed_date(second_).day;
        const report::Report difference = report::difference_report(first, second, ',', where);
        outcome.out = invocation.format == Format::Text
                          ? difference.heading + "\nZeitspanne: " + report::span_text(first, second) + "\n" +
                                report::working_days_text(first, second, where) + "\n"
                          : written(difference, invocation.format, false);
        if (difference.stopped) return failure("Die Differenz lie\u00df sich nicht berechnen.", std::move(outcome));
        return outcome;
    }

private:
    std::string first_, second_;
};

} // namespace

std::unique_ptr<Command> make_difference_command() { return std::make_unique<DifferenceCommand>(); }

} // namespace vespera::cli
