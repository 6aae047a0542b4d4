// vespera-cli's command line from arbitrary bytes: the input, split at line
// feeds, is the argument list (the first byte chooses the present instant
// and whether writing a file fails). The parser and the command run in full,
// their output goes to a sink. Nothing may crash; the exit code is 0, 1 or
// 2; a usage error says so in one line plus the hint to --help; a failure in
// one line (after an ambiguity note).
#include <memory>
#include <string>
#include <vector>

#include "cli/run.h"
#include "places/gazetteer.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::size_t kMaxArguments = 12;
constexpr std::size_t kMaxArgumentBytes = 80;

std::shared_ptr<const vespera::Gazetteer> gazetteer(std::string& error) {
    static const std::shared_ptr<const vespera::Gazetteer> kept = [] {
        vespera::GazetteerLoad load = vespera::load_gazetteer();
        return load.gazetteer ? std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)) : nullptr;
    }();
    if (!kept) error = "kein Ortsverzeichnis";
    return kept;
}

std::size_t line_count(const std::string& text) {
    std::size_t lines = 0;
    for (const char c : text) lines += c == '\n';
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::uint8_t choices = in.byte();
    std::vector<std::string> args(1);
    while (!in.empty()) {
        const char c = static_cast<char>(in.byte());
        if (c == '\n') {
            if (args.size() == kMaxArguments) break;
            args.emplace_back();
        } else if (args.back().size() < kMaxArgumentBytes) {
            args.back() += c;
        }
    }

    vespera::cli::Environment environment;
    // Now, or an instant far in the past or future of the engine's years.
    constexpr std::int64_t kInstants[4] = {1712578502, 0, -62135596800, 253402300799};
    environment.now_unix_seconds = kInstants[choices % 4];
    environment.gazetteer = gazetteer;
    const bool disk_full = (choices & 4u) != 0;
    environment.write_file = [disk_full](const std::string&, std::string_view, bool) {
        return disk_full ? std::string("Der Datenträger ist voll.") : std::string();
    };

    const vespera::cli::Outcome outcome = vespera::cli::run_cli(args, environment);
    fuzz::check(outcome.exit_code >= 0 && outcome.exit_code <= 2, "exit code " + std::to_string(outcome.exit_code));
    if (outcome.exit_code == vespera::cli::kUsageError) {
        fuzz::check(outcome.out.empty(), "output beside a usage error");
        fuzz::check(outcome.err.starts_with("vespera-cli: ") && line_count(outcome.err) == 2 &&
                        outcome.err.ends_with("\nAufruf und Befehle: vespera-cli --help\n"),
                    "usage error: " + outcome.err);
    } else if (outcome.exit_code == vespera::cli::kFailure) {
        fuzz::check(outcome.err.find("vespera-cli: ") != std::string::npos && line_count(outcome.err) <= 2,
                    "failure: " + outcome.err);
    }
    return 0;
}
