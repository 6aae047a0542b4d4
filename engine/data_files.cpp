#include "engine/data_files.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace vespera {
namespace {

bool is_regular(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path installed_data_dir() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return {};
    return program.parent_path().parent_path() / "share" / "vespera";
}

} // namespace

std::filesystem::path data_file(std::string_view name) {
    std::filesystem::path candidates[3];
    if (const char* dir = std::getenv("VESPERA_DATA_DIR"); dir != nullptr && *dir != '\0') {
        candidates[0] = std::filesystem::path(dir) / name;
    }
    if (const std::filesystem::path dir = installed_data_dir(); !dir.empty()) candidates[1] = dir / name;
#ifdef VESPERA_SOURCE_DATA_DIR
    candidates[2] = std::filesystem::path(VESPERA_SOURCE_DATA_DIR) / name;
#endif
    for (const std::filesystem::path& candidate : candidates) {
        if (!candidate.empty() && is_regular(candidate)) return candidate;
    }
    return {};
}

std::optional<std::string> read_regular_file(const std::filesystem::path& path, std::size_t max_bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > max_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.gcount() != static_cast<std::streamsize>(content.size())) return std::nullopt;
    // A file that grew while it was read keeps only what was measured.
    return content;
}

} // namespace vespera
