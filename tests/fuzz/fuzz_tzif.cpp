// A compiled zone file (TZif) from arbitrary bytes: the reader refuses it or
// returns transitions in order, the first at the open start, neighbours
// differing, every offset a 32-bit value read from the file.
#include <string_view>

#include "zones/tzif_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto transitions = vespera::tzdb::parse_tzif(bytes);
    if (!transitions) return 0;
    fuzz::check(!transitions->empty(), "no transition");
    fuzz::check(transitions->front().at_s == vespera::tzdb::kTzifOpenStart_s, "first transition not at the open start");
    for (std::size_t i = 1; i < transitions->size(); ++i) {
        const auto& before = (*transitions)[i - 1];
        const auto& after = (*transitions)[i];
        fuzz::check(before.at_s < after.at_s, "transitions out of order");
        fuzz::check(before.offset_s != after.offset_s || before.dst != after.dst ||
                        before.abbreviation != after.abbreviation,
                    "a transition that changes nothing");
    }
    return 0;
}
