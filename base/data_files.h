// Vespera's data files (the gazetteer, the school holidays): where they are
// and how they are read without trusting them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vespera {

// The first existing regular file `name` in: $VESPERA_DATA_DIR, share/vespera
// beside the installed program (../share/vespera from its bin/ folder), and
// the source tree's data/ folder. Empty when none is found.
std::filesystem::path data_file(std::string_view name);

// The whole file, or nothing when it is not a regular file (a FIFO would
// block), cannot be read, or is larger than `max_bytes`.
std::optional<std::string> read_regular_file(const std::filesystem::path& path, std::size_t max_bytes);

// The same with the reason when there is no content. Never blocks: the file
// is opened without waiting and checked to be regular before it is read.
enum class FileReadStatus { read, missing, not_regular, too_large, unreadable };
struct FileRead {
    FileReadStatus status = FileReadStatus::missing;
    std::string content; // empty unless read
};
FileRead read_regular_file_checked(const std::filesystem::path& path, std::size_t max_bytes);

} // namespace vespera
