#include "cli/file_output.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace vespera::cli {
namespace {

std::string in_quotes(const std::string& path) { return "\u201e" + path + "\u201c"; }

std::string reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return "keine Berechtigung";
    case ENOENT: return "den Ordner gibt es nicht";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case ENOSPC: return "der Datenträger ist voll";
    case EDQUOT: return "das Kontingent ist erschöpft";
    case EROFS: return "das Dateisystem ist schreibgeschützt";
    case EISDIR: return "das ist ein Ordner";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case EFBIG: return "die Datei wird zu groß";
    default: return std::strerror(error);
    }
}

// The whole content, or the errno of the write that failed.
int write_all(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string write_fresh(const std::string& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return "Die Datei " + in_quotes(path) + " gibt es schon; --ueberschreiben ersetzt sie.";
        }
        return "Die Datei " + in_quotes(path) + " lässt sich nicht anlegen: " + reason(errno) + ".";
    }
    int error = write_all(fd, content);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(path.c_str());
        return "Die Datei " + in_quotes(path) + " ließ sich nicht schreiben: " + reason(error) + ".";
    }
    return {};
}

std::string replace_file(const std::string& path, std::string_view content) {
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return "Die Datei " + in_quotes(path) + " ist keine gewöhnliche Datei und wird nicht ersetzt.";
    }
    std::vector<char> temporary(path.begin(), path.end());
    const char suffix[] = ".XXXXXX";
    temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return "Die Datei " + in_quotes(path) + " lässt sich nicht anlegen: " + reason(errno) + ".";
    // mkostemp makes the file private; the result reads like any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, 0666 & ~mask) != 0 ? errno : 0;
    if (error == 0) error = write_all(fd, content);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.data(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.data());
        return "Die Datei " + in_quotes(path) + " ließ sich nicht schreiben: " + reason(error) + ".";
    }
    return {};
}

} // namespace

std::string write_new_file(const std::string& path, std::string_view content, bool replace) {
    if (path.empty()) return "Kein Dateiname angegeben.";
    return replace ? replace_file(path, content) : write_fresh(path, content);
}

} // namespace vespera::cli
