// An address book from anywhere: the import must finish, and every date it
// offers must be one the store can keep and read back.
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "own_dates/calendar_file.h"
#include "own_dates/import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace od = vespera::own_dates;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const od::ImportBatch batch = od::read_vcard_import(bytes);
    fuzz::check(batch.error.empty() || batch.dates.empty(), "dates from a file that was not read");
    for (const auto& refusal : batch.refused) {
        fuzz::check(!refusal.reason.empty() && fuzz::valid_utf8(refusal.event),
                    "a refusal without reason or clean name");
    }
    for (const od::OwnDate& date : batch.dates) {
        fuzz::check(od::date_problem(date).empty(), "an imported date with a problem: " + od::date_problem(date));
        fuzz::check(date.repeat == od::Repeat::yearly && date.kind != od::Kind::termin, "not a yearly birthday");
    }
    if (batch.dates.empty()) return 0;
    od::OwnDateFile file;
    file.dates = batch.dates;
    const od::ParsedFile read = od::parse_own_date_file(od::own_date_document(file, 1800000000));
    fuzz::check(read.problem.empty() && read.file.dates.size() == batch.dates.size(), "an imported date is not kept");
    return 0;
}
