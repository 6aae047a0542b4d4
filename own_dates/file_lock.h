// An exclusive lock on a lock file beside the file it guards (flock), held
// while the object lives, so that two windows save one after the other.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace vespera::own_dates {

class HeldLock {
public:
    virtual ~HeldLock() = default;
};

// Waits up to five seconds for another holder; null with a German reason in
// `error` when the lock cannot be had. The lock file is never followed
// through a symbolic link.
std::unique_ptr<HeldLock> lock_file(const std::filesystem::path& lock_path, std::string& error);

} // namespace vespera::own_dates
