// vespera-cli's command line from arbitrary bytes: the input, split at zero
// bytes, is the argument list, so an argument may hold line feeds and any
// other byte (the first byte chooses the present instant, what already has
// the output file's name and whether the disk fills). The parser and the
// command run in full, and `-o` writes through the real file writer into a
// scratch folder. Nothing may crash; the exit code is 0, 1 or 2; a usage
// error says so in one line plus the hint to --help; a failure in one line
// (after an ambiguity note and the notes of short years); standard error is
// valid UTF-8 without control characters; a refused or failed write leaves
// what had the name as it was and no temporary file. Declaring every command answers as declaring the
// one named does.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cli/file_output.h"
#include "cli/run.h"
#include "places/gazetteer.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::size_t kMaxArguments = 64;
constexpr std::string_view kOld = "alter Inhalt";

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

bool has_control_bytes(const std::string& text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\n') || b == 0x7F) return true;
    }
    return false;
}

std::string scratch_folder() {
    static const std::string folder = [] {
        const char* temporary = std::getenv("TMPDIR");
        std::string pattern = std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") +
                              "/fuzz-cli-args-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) fuzz::fail("no scratch folder");
        return pattern;
    }();
    return folder;
}

std::string read_all(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return {};
    std::string content;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) content.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    return content;
}

std::vector<std::string> entries_of(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

void remove_all(const std::string& folder) {
    for (const std::string& name : entries_of(folder)) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            remove_all(path);
            ::rmdir(path.c_str());
        } else {
            ::unlink(path.c_str());
        }
    }
}

// What had the name before the command ran.
enum class Planted { nothing, private_file, link_to_file, dangling_link, folder };

struct Target {
    std::string path;
    std::string name;
    Planted planted = Planted::nothing;
};

// The -o argument as one name in the scratch folder: any bytes but "/" and
// zero, up to 300 bytes (past the 255 a name may have).
std::string name_in_scratch(const std::string& argument) {
    std::string name = argument.substr(0, 300);
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    if (name.empty() || name == "." || name == "..") name = "_" + name;
    return name;
}

void plant(const Target& target, const std::string& other) {
    switch (target.planted) {
    case Planted::nothing: break;
    case Planted::private_file: {
        const int fd = ::open(target.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) return; // a name too long for the system: nothing planted
        if (::write(fd, kOld.data(), kOld.size()) != static_cast<ssize_t>(kOld.size())) fuzz::fail("cannot plant");
        ::fchmod(fd, 0600);
        ::close(fd);
        break;
    }
    case Planted::link_to_file: {
        const int fd = ::open(other.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, kOld.data(), kOld.size()) != static_cast<ssize_t>(kOld.size())) fuzz::fail("cannot plant");
        ::close(fd);
        ::symlink(other.c_str(), target.path.c_str());
        break;
    }
    case Planted::dangling_link: ::symlink("/nonexistent/vespera-fuzz", target.path.c_str()); break;
    case Planted::folder: ::mkdir(target.path.c_str(), 0755); break;
    }
}

void check_target(const Target& target, const std::string& other, bool written, const std::string& err) {
    struct stat info {};
    const bool exists = ::lstat(target.path.c_str(), &info) == 0;
    switch (target.planted) {
    case Planted::nothing:
        if (written) fuzz::check(exists && S_ISREG(info.st_mode), "no file after success");
        if (!written) fuzz::check(!exists, "a file after a failure: " + err);
        break;
    case Planted::private_file:
        if (!exists) break; // not planted
        fuzz::check(S_ISREG(info.st_mode) && (info.st_mode & 0777) == 0600, "the replaced file lost its mode");
        if (!written) fuzz::check(read_all(target.path) == kOld, "a refused write changed the file: " + err);
        break;
    case Planted::link_to_file:
    case Planted::dangling_link:
        fuzz::check(!written, "written through a symbolic link");
        if (exists) fuzz::check(S_ISLNK(info.st_mode), "the symbolic link was replaced");
        if (target.planted == Planted::link_to_file) fuzz::check(read_all(other) == kOld, "the link's file was written");
        break;
    case Planted::folder:
        fuzz::check(!written && (!exists || S_ISDIR(info.st_mode)), "a folder was replaced");
        break;
    }
    if (written) {
        fuzz::check(read_all(target.path).starts_with("BEGIN:VCALENDAR\r\n"), "the file is no calendar");
    }
}

} // namespace

// The gazetteer is read once, before the first input: reading it is no
// part of any one command's time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string error;
    gazetteer(error);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::uint8_t choices = in.byte();
    std::vector<std::string> args(1);
    while (!in.empty()) {
        const char c = static_cast<char>(in.byte());
        if (c == '\0') {
            if (args.size() == kMaxArguments) break;
            args.emplace_back();
        } else {
            args.back() += c;
        }
    }

    vespera::cli::Environment environment;
    // Now, or an instant far in the past or future of the engine's years.
    constexpr std::int64_t kInstants[4] = {1712578502, 0, -62135596800, 253402300799};
    environment.now_unix_seconds = kInstants[choices % 4];
    environment.gazetteer = gazetteer;

    const std::string folder = scratch_folder();
    const std::string other = folder + "/anderswo";
    std::vector<Target> targets;
    // A full disk after so many bytes: for half the inputs none, else at
    // once or within the file.
    constexpr std::size_t kFullAfter[8] = {SIZE_MAX, SIZE_MAX, SIZE_MAX, SIZE_MAX, 0, 100, 2000, 16000};
    const std::size_t full_after = kFullAfter[choices >> 5];
    environment.write_file = [&](const std::string& path, std::string_view content, bool replace) {
        Target target;
        target.name = name_in_scratch(path);
        target.path = folder + "/" + target.name;
        target.planted = static_cast<Planted>(((choices >> 2) & 7u) % 5u);
        plant(target, other);
        targets.push_back(target);
        vespera::WriteSeams seams;
        seams.write_error = [full_after](std::size_t written) { return written >= full_after ? ENOSPC : 0; };
        return vespera::cli::write_new_file(target.path, content, replace, seams);
    };

    const auto started = std::chrono::steady_clock::now();
    const vespera::cli::Outcome outcome = vespera::cli::run_cli(args, environment);
    // Read with every command declared, a line that wrote nothing gives the
    // same answer as with the one it names. A slow line (working days over
    // millennia) is not run twice: an input has a second.
    if (targets.empty() && std::chrono::steady_clock::now() - started < std::chrono::milliseconds(100)) {
        vespera::cli::Environment all_declared = environment;
        all_declared.write_file = [](const std::string&, std::string_view, bool) -> std::string {
            fuzz::fail("written only with every command declared");
        };
        const vespera::cli::Outcome same = vespera::cli::run_cli_declaring_all(args, all_declared);
        fuzz::check(same.exit_code == outcome.exit_code && same.out == outcome.out && same.err == outcome.err,
                    "every command declared answers otherwise: " + same.err + " / " + outcome.err);
    }
    fuzz::check(outcome.exit_code >= 0 && outcome.exit_code <= 2, "exit code " + std::to_string(outcome.exit_code));
    fuzz::check(fuzz::valid_utf8(outcome.err) && !has_control_bytes(outcome.err), "standard error: " + outcome.err);
    if (outcome.exit_code == vespera::cli::kUsageError) {
        fuzz::check(outcome.out.empty(), "output beside a usage error");
        fuzz::check(outcome.err.starts_with("vespera-cli: ") && line_count(outcome.err) == 2 &&
                        outcome.err.ends_with("\nAufruf und Befehle: vespera-cli --help\n"),
                    "usage error: " + outcome.err);
    } else if (outcome.exit_code == vespera::cli::kFailure) {
        // Up to two short years read precede the one failure line.
        std::size_t year_notes = 0;
        for (std::size_t at = 0; (at = outcome.err.find(" gelesen\n", at)) != std::string::npos; ++at) ++year_notes;
        fuzz::check(outcome.err.find("vespera-cli: ") != std::string::npos &&
                        year_notes <= 2 && line_count(outcome.err) <= 2 + year_notes,
                    "failure: " + outcome.err);
    }
    for (const Target& target : targets) {
        const bool written = outcome.exit_code == vespera::cli::kSuccess;
        check_target(target, other, written, outcome.err);
        for (const std::string& name : entries_of(folder)) {
            fuzz::check(name == target.name || name == "anderswo", "left behind: " + name);
        }
    }
    remove_all(folder);
    return 0;
}
