// termine.ics as anything may have left it: what the store reads without
// a problem it must write back so that a second reading gives the same
// dates; otherwise a save would lose what the file held.
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "own_dates/calendar_file.h"

namespace {

namespace od = vespera::own_dates;

// Kept properties may come back written a little differently, and a date
// never stamped is stamped on writing; all else must be equal.
bool same_apart_from_kept(od::OwnDate a, od::OwnDate b) {
    if (a.kept.size() != b.kept.size()) return false;
    a.kept.clear();
    b.kept.clear();
    if (a.modified_unix == 0) a.modified_unix = b.modified_unix;
    return a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const od::ParsedFile first = od::parse_own_date_file(bytes);
    for (const od::OwnDate& date : first.file.dates) {
        fuzz::check(od::date_problem(date).empty(), "a date read with a problem: " + od::date_problem(date));
    }
    if (!first.problem.empty()) return 0;
    const std::string written = od::own_date_document(first.file, 1800000000);
    const od::ParsedFile second = od::parse_own_date_file(written);
    fuzz::check(second.problem.empty(), "the written file reads with a problem: " + second.problem);
    fuzz::check(second.file.dates.size() == first.file.dates.size(), "dates lost on writing");
    for (std::size_t i = 0; i < first.file.dates.size(); ++i) {
        fuzz::check(same_apart_from_kept(first.file.dates[i], second.file.dates[i]),
                    "a date changed on writing: " + first.file.dates[i].uid);
    }
    fuzz::check(od::own_date_document(second.file, 1800000000) == written, "a second writing differs");
    return 0;
}
