// liste ART [JAHR]: a year's holidays, full or new moons, seasons, eclipses,
// sky events or the user's own dates.
#include "cli/arguments.h"
#include "cli/own_date_files.h"
#include "cli/own_date_formats.h"
#include "cli/session.h"
#include "cli/shared_options.h"
#include "cli/sky_formats.h"
#include "cli/usage.h"
#include "report/holiday_list.h"
#include "report/sky_event_list.h"
#include "report/year_lists.h"

namespace vespera::cli {
namespace {

report::YearList list_kind(std::string_view name) {
    if (name == "vollmonde") return report::YearList::FullMoons;
    if (name == "neumonde") return report::YearList::NewMoons;
    if (name == "jahreszeiten") return report::YearList::Seasons;
    if (name == "finsternisse") return report::YearList::Eclipses;
    return report::YearList::Holidays;
}

class ListCommand final : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("ART", kind_, kListKinds)->type_name("")->required()->check(list_kind_rule());
        command.add_option("JAHR", year_, kYearHelp)->type_name("")->check(year_rule());
        command.add_option("--art", own_kind_, "liste termine: nur geburtstag, jahrestag oder termin")
            ->type_name("ART")
            ->check(own_kind_rule());
    }
    bool takes_categories() const override { return kind_ == "feiertage"; }
    Outcome run(const Invocation& invocation) const override {
        // Unless told otherwise the list shows the bridge days beside the statutory ones.
        if (!own_kind_.empty() && kind_ != "termine") return usage_error("--art gilt nur f\u00fcr liste termine.");
        const report::CategorySet categories =
            invocation.categories_chosen ? invocation.categories : report::kStatutoryAndBridgeDays;
        return run_at_place(invocation, ReportDay{true, {}, parse_year(year_)}, [&](Session& session, Outcome& outcome) {
            if (kind_ == "termine") return own_dates(invocation, session, outcome);
            if (kind_ == "himmelsereignisse") {
                const report::SkyEventTable table = report::sky_event_table(session.cal, *session.place.zone);
                outcome.out = invocation.format == Format::Csv    ? sky_events_csv(table)
                              : invocation.format == Format::Json ? sky_events_json(table)
                                                                  : report::copied_text(table.report);
                return Ending{table.report.stopped, {}};
            }
            const report::YearList list = list_kind(kind_);
            const report::Report report = list == report::YearList::Holidays
                                              ? report::holiday_list(session.cal, categories)
                                              : report::year_list(session.cal, list);
            outcome.out = written(report, invocation.format, true);
            if (list == report::YearList::Holidays && report::chosen(categories, report::HolidayCategory::Ferien)) {
                const std::string gap = report::school_holiday_gap(session.cal);
                if (!gap.empty()) outcome.err += "vespera-cli: Schulferien: " + gap + "\n";
            }
            return Ending{report.stopped, {}};
        });
    }

private:
    Ending own_dates(const Invocation& invocation, Session& session, Outcome& outcome) const {
        LoadedOwnDates loaded = load_own_dates(invocation, *session.place.zone);
        if (!loaded.dates) return Ending{false, loaded.error};
        outcome.err += loaded.note;
        std::optional<own_dates::Kind> kind;
        if (own_kind_ == "geburtstag") kind = own_dates::Kind::geburtstag;
        if (own_kind_ == "jahrestag") kind = own_dates::Kind::jahrestag;
        if (own_kind_ == "termin") kind = own_dates::Kind::termin;
        const std::int64_t year = session.cal.Jahr();
        if (invocation.format == Format::Text) {
            outcome.out = report::copied_text(report::own_date_list(*loaded.dates, year, kind));
        } else {
            std::vector<report::OwnDateEntry> entries = loaded.dates->in_year(year);
            std::erase_if(entries, [&](const report::OwnDateEntry& e) { return kind && e.kind != *kind; });
            outcome.out = invocation.format == Format::Csv ? own_dates_csv(entries) : own_dates_json(entries);
        }
        if (loaded.dates->cut()) outcome.err += "vespera-cli: Ein Termin wiederholt sich \u00f6fter, als die Liste zeigt.\n";
        return Ending{false, {}};
    }

    std::string kind_, year_, own_kind_;
};

} // namespace

std::unique_ptr<Command> make_list_command() { return std::make_unique<ListCommand>(); }

} // namespace vespera::cli
