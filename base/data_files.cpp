#include "base/data_files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vespera {
namespace {

bool is_regular(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

struct FileDescriptor {
    int fd;
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    ~FileDescriptor() { ::close(fd); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
};

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
    FileRead file = read_regular_file_checked(path, max_bytes);
    if (file.status != FileReadStatus::read) return std::nullopt;
    return std::move(file.content);
}

FileRead read_regular_file_checked(const std::filesystem::path& path, std::size_t max_bytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer, for ever; the checks run on what was opened, not on the name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return {errno == ENOENT || errno == ENOTDIR ? FileReadStatus::missing : FileReadStatus::unreadable, {}};
    const FileDescriptor closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {FileReadStatus::unreadable, {}};
    if (!S_ISREG(info.st_mode)) return {FileReadStatus::not_regular, {}};
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > max_bytes) return {FileReadStatus::too_large, {}};
    std::string content(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    // A file that grew while it was read keeps only what was measured.
    while (done < content.size()) {
        const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {FileReadStatus::unreadable, {}};
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    content.resize(done);
    return {FileReadStatus::read, std::move(content)};
}

} // namespace vespera
