#include "base/safe_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vespera {
namespace {

// ".<up to 32 bytes of the name>.<8 letters>": far below NAME_MAX (255).
constexpr std::size_t kNamePrefixBytes = 32;
constexpr int kTemporaryAttempts = 16;
// A file goes to the disk in pieces of this size; a disk that fills within
// it fails the next piece.
constexpr std::size_t kWritePiece = 64 * 1024;

WriteProblem problem_of(int error) {
    switch (error) {
    case EEXIST: return WriteProblem::Exists;
    case ENOENT:
    case ENOTDIR: return WriteProblem::NoFolder;
    case EACCES:
    case EPERM:
    case EROFS: return WriteProblem::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return WriteProblem::DiskFull;
    case EISDIR: return WriteProblem::NotRegular;
    case ELOOP: return WriteProblem::SymbolicLink;
    case ENAMETOOLONG: return WriteProblem::NameTooLong;
    default: return WriteProblem::Other;
    }
}

WriteResult failed(int error) { return {problem_of(error), error}; }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // close() reports what the file system could not keep (NFS reports a
    // full disk only here).
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

struct Existing {
    WriteProblem kind = WriteProblem::None; // None: nothing has the name; Exists: a regular file
    int error = 0;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// What the name holds now, without following a link.
Existing existing_at(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return {};
        return {problem_of(errno), errno};
    }
    if (S_ISLNK(info.st_mode)) return {WriteProblem::SymbolicLink, 0};
    if (!S_ISREG(info.st_mode)) return {WriteProblem::NotRegular, S_ISDIR(info.st_mode) ? EISDIR : 0};
    return {WriteProblem::Exists, EEXIST, info.st_mode, info.st_uid, info.st_gid};
}

int write_all(int fd, std::string_view content, const WriteSeams& seams) {
    const std::size_t total = content.size();
    while (!content.empty()) {
        if (seams.write_error) {
            if (const int error = seams.write_error(total - content.size()); error != 0) return error;
        }
        const ssize_t written = ::write(fd, content.data(), std::min(content.size(), kWritePiece));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes, flushes to the disk and closes; the errno of the first failure.
int fill(Descriptor& file, std::string_view content, const WriteSeams& seams) {
    int error = write_all(file.get(), content, seams);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    const int closed = file.close();
    return error != 0 ? error : closed;
}

std::string name_prefix(std::string_view name) {
    std::size_t length = std::min(name.size(), kNamePrefixBytes);
    // Not inside a character of several UTF-8 bytes.
    while (length > 0 && length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0u) == 0x80u) --length;
    return std::string(name.substr(0, length));
}

// A new file beside the target, opened with the usual 0666 less the umask.
int create_temporary(const std::string& folder, std::string_view name, std::string& temporary) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        std::array<unsigned char, 8> random{};
        if (::getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size())) {
            // Without the kernel's randomness a clash only costs an attempt.
            const unsigned seed = static_cast<unsigned>(::getpid()) * 2654435761u + static_cast<unsigned>(attempt);
            for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<unsigned char>(seed >> (i % 4 * 8));
        }
        temporary = folder + "/." + name_prefix(name) + ".";
        for (const unsigned char r : random) temporary += kLetters[r % (sizeof kLetters - 1)];
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Only root may give a file away; for anyone else the new file is theirs,
// as the replaced one most likely was.
void keep_owner(int fd, const Existing& before) {
    if (before.owner == ::geteuid() && before.group == ::getegid()) return;
    if (::fchown(fd, before.owner, before.group) != 0) return;
}

// The folder's entry is on the disk too; a failure here changes nothing
// that was written, so it is not reported.
void flush_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Without hard links (FAT, some network shares) the name is taken by
// creating it exclusively: still never over anything, though not in one step.
int write_exclusively(const std::string& path, std::string_view content, const WriteSeams& seams) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    Descriptor file(fd);
    const int error = fill(file, content, seams);
    if (error != 0) ::unlink(path.c_str());
    return error;
}

} // namespace

WriteResult write_file_safely(const std::string& path, std::string_view content, WriteMode mode,
                              const WriteSeams& seams) {
    if (path.empty()) return {WriteProblem::NoFolder, ENOENT};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return {WriteProblem::NotRegular, EISDIR};
    if (name.size() > NAME_MAX) return {WriteProblem::NameTooLong, ENAMETOOLONG};

    const Existing before = existing_at(path);
    if (before.kind != WriteProblem::None && before.kind != WriteProblem::Exists) return {before.kind, before.error};
    if (before.kind == WriteProblem::Exists && mode == WriteMode::NewOnly) return {WriteProblem::Exists, EEXIST};

    std::string temporary;
    const int fd = create_temporary(folder, name, temporary);
    if (fd < 0) return failed(errno);
    Descriptor file(fd);
    int error = 0;
    if (before.kind == WriteProblem::Exists) {
        // The replaced file's permissions (0600 stays private) and, where
        // allowed, its owner.
        keep_owner(file.get(), before);
        if (::fchmod(file.get(), before.mode & 0777) != 0) error = errno;
    }
    if (error == 0) {
        error = fill(file, content, seams);
    } else {
        file.close();
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    if (seams.before_commit) seams.before_commit();

    const Existing now = existing_at(path);
    if (mode == WriteMode::Replace && now.kind == WriteProblem::Exists) {
        // rename() swaps the name itself: were it a link by now, the link
        // would be replaced, never its target written.
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            error = errno;
            ::unlink(temporary.c_str());
            return failed(error);
        }
        flush_folder(folder);
        return {};
    }
    if (now.kind != WriteProblem::None) {
        ::unlink(temporary.c_str());
        return {now.kind == WriteProblem::Exists ? WriteProblem::Exists : now.kind, now.error};
    }
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        flush_folder(folder);
        return {};
    }
    error = errno;
    ::unlink(temporary.c_str());
    if (error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS) {
        error = write_exclusively(path, content, seams);
        if (error == 0) flush_folder(folder);
        return error == 0 ? WriteResult{} : failed(error);
    }
    if (error == EEXIST) {
        const Existing appeared = existing_at(path);
        if (appeared.kind == WriteProblem::SymbolicLink || appeared.kind == WriteProblem::NotRegular) {
            return {appeared.kind, appeared.error};
        }
        return {WriteProblem::Exists, EEXIST};
    }
    return failed(error);
}

std::string write_reason(const WriteResult& result) {
    switch (result.problem) {
    case WriteProblem::None: return {};
    case WriteProblem::Exists: return "die Datei gibt es schon";
    case WriteProblem::SymbolicLink: return "das ist eine symbolische Verknüpfung, durch die nicht geschrieben wird";
    case WriteProblem::NotRegular:
        return result.error == EISDIR ? "das ist ein Ordner" : "das ist keine gewöhnliche Datei";
    case WriteProblem::NoFolder:
        return result.error == ENOTDIR ? "ein Teil des Pfades ist kein Ordner" : "den Ordner gibt es nicht";
    case WriteProblem::NoPermission:
        return result.error == EROFS ? "das Dateisystem ist schreibgeschützt" : "keine Berechtigung";
    case WriteProblem::DiskFull:
        if (result.error == EDQUOT) return "das Kontingent auf dem Datenträger ist erschöpft";
        if (result.error == EFBIG) return "die Datei wird zu groß";
        return "kein Platz auf dem Datenträger";
    case WriteProblem::NameTooLong: return "der Dateiname ist zu lang";
    case WriteProblem::Other: break;
    }
    return "Systemfehler " + std::to_string(result.error) + " (" + std::strerror(result.error) + ")";
}

} // namespace vespera
