// The one way Vespera writes a file: the content goes to a temporary file in
// the same folder, is written and flushed to the disk with every error
// checked, and only then takes the name. Whatever fails, the file that had
// the name stays as it was and no temporary file is left.
//
// - A new file takes the name by a hard link, which fails when anything (a
//   dangling symbolic link as well) has the name by then.
// - A replaced file must be a regular file; it is replaced by a rename, which
//   swaps the name and never writes through a link, and the new file keeps
//   its mode. A rename gives the name a new file: another hard link to the
//   old one keeps the old content.
// - The temporary name stays short, so a name of 255 bytes can be replaced.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vespera {

enum class WriteMode {
    NewOnly, // the name must still be free when the file takes it
    Replace, // an existing regular file is replaced (the user agreed)
};

enum class WriteProblem {
    None,
    Exists,       // NewOnly: the name was taken by the time of writing
    SymbolicLink, // the name is a symbolic link
    NotRegular,   // a folder, a device, a FIFO …
    NoFolder,     // the folder is not there
    NoPermission, // the folder may not be written (or is read-only)
    DiskFull,     // no space, quota or file-size limit
    NameTooLong,
    Other,
};

struct WriteResult {
    WriteProblem problem = WriteProblem::None;
    int error = 0; // errno where there is one
    bool ok() const { return problem == WriteProblem::None; }
};

// Stand-ins for tests and fuzz targets, to see a failure the system gives
// rarely. Both empty in the program.
struct WriteSeams {
    // Asked before each write of the content (in pieces of 64 KiB) with the
    // bytes written so far; an errno (ENOSPC) makes that write fail as the
    // system would.
    std::function<int(std::size_t written)> write_error;
    // Runs when the temporary file is complete, before it takes the name.
    std::function<void()> before_commit;
};

WriteResult write_file_safely(const std::string& path, std::string_view content, WriteMode mode,
                              const WriteSeams& seams = {});

// Why, in German, to follow a colon: "kein Platz auf dem Datenträger".
std::string write_reason(const WriteResult& result);

} // namespace vespera
