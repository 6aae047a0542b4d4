#include "own_dates/store.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "base/data_files.h"
#include "base/safe_file.h"

namespace vespera::own_dates {
namespace {

constexpr std::string_view kNotOverwritten =
    " Sie wird nicht überschrieben; Termine lassen sich erst wieder ändern, wenn die Datei repariert oder an "
    "einen anderen Ort verschoben ist.";

std::filesystem::path beside(const std::filesystem::path& file, std::string_view suffix) {
    std::filesystem::path result = file;
    result += suffix;
    return result;
}

OwnDate* find(std::vector<OwnDate>& dates, std::string_view uid) {
    const auto it = std::find_if(dates.begin(), dates.end(), [uid](const OwnDate& d) { return d.uid == uid; });
    return it == dates.end() ? nullptr : &*it;
}

const OwnDate* find(const std::vector<OwnDate>& dates, std::string_view uid) {
    const auto it = std::find_if(dates.begin(), dates.end(), [uid](const OwnDate& d) { return d.uid == uid; });
    return it == dates.end() ? nullptr : &*it;
}

std::string in_quotes(std::string_view title) { return "„" + std::string(title) + "“"; }

Change refused(std::string message) { return {false, std::move(message), {}}; }

// The file as it is on disk now.
struct Disk {
    bool exists = false;
    std::string bytes;
    ParsedFile parsed;
    std::string unreadable; // why the file cannot be read at all
};

Disk read_disk(const std::filesystem::path& path) {
    Disk disk;
    FileRead read = read_regular_file_checked(path, kStoreLimits.max_bytes);
    switch (read.status) {
    case FileReadStatus::missing: return disk;
    case FileReadStatus::read:
        disk.exists = true;
        disk.bytes = std::move(read.content);
        disk.parsed = parse_own_date_file(disk.bytes);
        return disk;
    case FileReadStatus::not_regular: disk.unreadable = "ist keine gewöhnliche Datei."; break;
    case FileReadStatus::too_large: disk.unreadable = "ist größer als 32 MB."; break;
    case FileReadStatus::unreadable: disk.unreadable = "kann nicht gelesen werden."; break;
    }
    disk.exists = true;
    return disk;
}

// What is saved must read back whole, or the next start would find the file
// damaged: the dates this change made are written and read once more, alone
// (a whole file of 10,000 dates takes libical a fifth of a second), and kept
// as they read back, so that the store holds what a reader of the file gets.
std::string read_back_changed(OwnDateFile& working, const std::vector<OwnDate>& before, std::int64_t now_unix) {
    std::map<std::string_view, const OwnDate*> old;
    for (const OwnDate& date : before) old.emplace(date.uid, &date);
    std::vector<OwnDate*> changed;
    OwnDateFile alone{{}, working.timezones, {}};
    for (OwnDate& date : working.dates) {
        const auto it = old.find(date.uid);
        if (it != old.end() && *it->second == date) continue;
        changed.push_back(&date);
        alone.dates.push_back(date);
    }
    ParsedFile read = parse_own_date_file(own_date_document(alone, now_unix));
    if (!read.problem.empty()) return read.problem;
    if (read.file.dates.size() != changed.size()) return "Ein Termin fehlt beim Zurücklesen.";
    for (std::size_t i = 0; i < changed.size(); ++i) *changed[i] = std::move(read.file.dates[i]);
    return {};
}

} // namespace

StoreFiles program_store_files() {
    StoreFiles files;
    files.write = [](const std::filesystem::path& path, std::string_view bytes) -> std::string {
        const WriteResult result = write_file_safely(path.string(), bytes, WriteMode::Replace);
        return result.ok() ? std::string() : write_reason(result) + ".";
    };
    return files;
}

OwnDateStore::OwnDateStore(std::filesystem::path file, StoreFiles files, std::function<std::int64_t()> now_unix)
    : path_(std::move(file)), files_(std::move(files)), now_unix_(std::move(now_unix)) {
    reload();
}

std::int64_t OwnDateStore::now() const {
    if (now_unix_) return now_unix_();
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string OwnDateStore::damaged(const std::string& why) const {
    return "Die Datei " + path_.string() + " " + why + std::string(kNotOverwritten);
}

void OwnDateStore::show(ParsedFile parsed, std::string bytes) {
    file_ = std::move(parsed.file);
    bytes_ = std::move(bytes);
    problem_ = parsed.problem.empty() ? std::string() : damaged("ist beschädigt: " + parsed.problem);
    ++revision_;
}

void OwnDateStore::reload() {
    Disk disk = read_disk(path_);
    show(std::move(disk.parsed), std::move(disk.bytes));
    if (!disk.unreadable.empty()) problem_ = damaged(disk.unreadable);
}

Change OwnDateStore::transact(const Edit& edit) {
    if (read_only()) return refused(problem_);
    if (!files_.write) return refused("Die Termine können hier nur gelesen werden.");
    std::string error;
    std::unique_ptr<HeldLock> lock;
    if (files_.lock) {
        lock = files_.lock(beside(path_, ".lock"), error);
        if (!lock) return refused(error);
    }
    Disk disk = read_disk(path_);
    if (!disk.unreadable.empty()) {
        reload();
        return refused(problem_);
    }
    const bool changed_elsewhere = disk.bytes != bytes_;
    if (!changed_elsewhere) disk.parsed = {file_, {}};
    if (!disk.parsed.problem.empty()) {
        show(std::move(disk.parsed), std::move(disk.bytes));
        return refused(problem_);
    }
    OwnDateFile working = disk.parsed.file;
    const Change change = edit(working);
    if (!change.ok || working.dates == disk.parsed.file.dates) {
        if (changed_elsewhere) show(std::move(disk.parsed), std::move(disk.bytes));
        return change;
    }
    if (std::string problem = read_back_changed(working, disk.parsed.file.dates, now()); !problem.empty()) {
        return refused("Die Termine lassen sich nicht speichern: " + problem);
    }
    std::string text = own_date_document(working, now());
    if (disk.exists) {
        const std::filesystem::path backup = beside(path_, ".bak");
        error = files_.write(backup, disk.bytes);
        if (!error.empty()) {
            return refused("Die Sicherung " + backup.string() + " kann nicht geschrieben werden: " + error +
                           " Die Änderung ist nicht gespeichert.");
        }
    }
    error = files_.write(path_, text);
    if (!error.empty()) {
        if (changed_elsewhere) show(std::move(disk.parsed), std::move(disk.bytes));
        return refused("Die Datei " + path_.string() + " kann nicht gespeichert werden: " + error);
    }
    show({std::move(working), {}}, std::move(text));
    return change;
}

Change OwnDateStore::add(OwnDate date) {
    date.title = clean_title(date.title);
    date.note = clean_note(date.note);
    if (date.uid.empty()) date.uid = new_uid();
    if (std::string problem = date_problem(date); !problem.empty()) return refused(std::move(problem));
    return transact([this, &date](OwnDateFile& file) {
        if (find(file.dates, date.uid) != nullptr) {
            return refused("Einen Termin mit der UID " + date.uid + " gibt es schon.");
        }
        date.modified_unix = now();
        file.dates.push_back(date);
        return Change{true, {}, date.uid};
    });
}

Change OwnDateStore::replace(OwnDate date) {
    date.title = clean_title(date.title);
    date.note = clean_note(date.note);
    if (std::string problem = date_problem(date); !problem.empty()) return refused(std::move(problem));
    return transact([this, &date](OwnDateFile& file) {
        OwnDate* on_disk = find(file.dates, date.uid);
        const OwnDate* seen = find(std::as_const(file_.dates), date.uid);
        if (on_disk == nullptr) {
            return refused("Der Termin " + in_quotes(date.title) +
                           " wurde inzwischen in einem anderen Fenster gelöscht; Ihre Änderung ist nicht gespeichert.");
        }
        if (seen == nullptr || *seen != *on_disk) {
            return refused("Der Termin " + in_quotes(on_disk->title) +
                           " wurde inzwischen in einem anderen Fenster geändert; Ihre Änderung ist nicht gespeichert. "
                           "Die Liste zeigt jetzt den neuen Stand.");
        }
        date.modified_unix = now();
        *on_disk = date;
        return Change{true, {}, date.uid};
    });
}

Change OwnDateStore::remove(std::string_view uid) {
    const std::string wanted(uid);
    return transact([this, &wanted](OwnDateFile& file) {
        OwnDate* on_disk = find(file.dates, wanted);
        if (on_disk == nullptr) return Change{true, {}, wanted}; // gone already
        const OwnDate* seen = find(std::as_const(file_.dates), wanted);
        if (seen == nullptr || *seen != *on_disk) {
            return refused("Der Termin " + in_quotes(on_disk->title) +
                           " wurde inzwischen in einem anderen Fenster geändert und wird nicht gelöscht. Die Liste "
                           "zeigt jetzt den neuen Stand.");
        }
        file.dates.erase(file.dates.begin() + (on_disk - file.dates.data()));
        return Change{true, {}, wanted};
    });
}

ImportReport OwnDateStore::import(const ImportBatch& batch) {
    ImportReport report;
    if (batch.error.empty() && !batch.dates.empty()) {
        std::vector<ical::Refusal> refusals;
        const Change change = transact([&](OwnDateFile& file) {
            report = {};
            refusals.clear();
            KnownDates known(file.dates);
            for (OwnDate date : batch.dates) {
                if (known.knows(date)) {
                    ++report.known;
                    continue;
                }
                if (std::string problem = date_problem(date); !problem.empty()) {
                    refusals.push_back({date.title, std::move(problem)});
                    continue;
                }
                if (date.modified_unix == 0) date.modified_unix = now();
                known.add(date);
                file.dates.push_back(std::move(date));
                ++report.added;
            }
            for (const auto& [tzid, text] : batch.timezones) file.timezones.emplace(tzid, text);
            return Change{true, {}, {}};
        });
        if (!change.ok) {
            report = {};
            report.message = change.message;
            return report;
        }
        report.refused = refusals.size();
        for (const ical::Refusal& refusal : refusals) {
            report.reasons.push_back("„" + refusal.event + "“: " + refusal.reason);
        }
    }
    finish_report(report, batch);
    return report;
}

} // namespace vespera::own_dates
