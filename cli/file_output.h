// Writing a file named on the command line without surprises: never through
// a symbolic link, never over an existing file unless asked, and never a
// half-written file left behind.
#pragma once

#include <string>
#include <string_view>

namespace vespera::cli {

// Empty on success, else the German reason. Without `replace` the file must
// not exist yet (O_CREAT | O_EXCL, which also refuses a symbolic link). With
// it an existing regular file is replaced at once by a renamed temporary
// file; a symbolic link, a folder or a device is still refused.
std::string write_new_file(const std::string& path, std::string_view content, bool replace);

} // namespace vespera::cli
