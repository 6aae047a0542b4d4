// Writing a file named on the command line without surprises: never through
// a symbolic link, never over an existing file unless asked, and never a
// half-written file left behind (base/safe_file.h).
#pragma once

#include <string>
#include <string_view>

#include "base/safe_file.h"

namespace vespera::cli {

// Empty on success, else the German reason. Without `replace` the name must
// be free; with it an existing regular file is replaced at once and keeps
// its mode. A symbolic link, a folder or a device is refused either way.
std::string write_new_file(const std::string& path, std::string_view content, bool replace,
                           const WriteSeams& seams = {});

} // namespace vespera::cli
