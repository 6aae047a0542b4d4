// The user's own dates in termine.ics in the settings folder.
//
// Every change is one step under a lock on termine.ics.lock: read the file
// as it is now (another window may have saved since), apply this one change
// there, keep the previous file as termine.ics.bak, save. So two windows
// keep each other's changes; a date that the other window changed or
// deleted in the meantime is not overwritten: the change is refused with a
// message and the store shows the file as it now is.
//
// A file that cannot be read, or that holds anything that would be lost on
// saving, is never overwritten: the store shows what it could read, says
// why in German naming the file, and refuses changes until it is mended or
// moved (reload()).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "own_dates/calendar_file.h"
#include "own_dates/file_lock.h"
#include "own_dates/import.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {

inline constexpr std::string_view kStoreFileName = "termine.ics";

// The file operations of the store, so that the program's one safe writer
// serves here too and the tests can stand in for both.
struct StoreFiles {
    // Replaces `path` by `bytes` as one step (a reader sees the old or the
    // new file, never a part). Empty on success, else the German reason.
    std::function<std::string(const std::filesystem::path& path, std::string_view bytes)> write;
    std::function<std::unique_ptr<HeldLock>(const std::filesystem::path& lock_path, std::string& error)> lock =
        lock_file;
};

// The program's own: base/safe_file's writer (which keeps the file's mode
// and never writes through a link) and the lock beside the file.
StoreFiles program_store_files();

struct Change {
    bool ok = false;
    std::string message; // German, when refused
    std::string uid;     // of the date added or changed
};

class OwnDateStore {
public:
    // Reads `file`; a missing file is an empty store. Without a writer the
    // store only reads (the command line).
    OwnDateStore(std::filesystem::path file, StoreFiles files, std::function<std::int64_t()> now_unix = {});

    const std::filesystem::path& path() const { return path_; }
    const std::vector<OwnDate>& dates() const { return file_.dates; }
    const std::map<std::string, std::string>& timezones() const { return file_.timezones; }
    bool read_only() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    // Counts every change of what the store shows: the window rebuilds its
    // OccurrenceIndex when it moves.
    std::uint64_t revision() const { return revision_; }

    // A new date (a UID is made when it has none).
    Change add(OwnDate date);
    // The date with the same UID, as the store showed it, replaced.
    Change replace(OwnDate date);
    Change remove(std::string_view uid);
    // The new dates of an import added; known ones counted, not added.
    ImportReport import(const ImportBatch& batch);
    // The file read again: another window's changes, or the mended file.
    void reload();

private:
    using Edit = std::function<Change(OwnDateFile& file)>;
    Change transact(const Edit& edit);
    void show(ParsedFile parsed, std::string bytes);
    std::string damaged(const std::string& why) const;
    std::int64_t now() const;

    std::filesystem::path path_;
    StoreFiles files_;
    std::function<std::int64_t()> now_unix_;
    OwnDateFile file_;
    std::string bytes_; // the file as last read or written
    std::string problem_;
    std::uint64_t revision_ = 0;
};

} // namespace vespera::own_dates
