#include "ui/safe_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vespera::ui {
namespace {

SaveProblem problem_of(int error) {
    switch (error) {
    case EEXIST: return SaveProblem::Exists;
    case ENOENT:
    case ENOTDIR: return SaveProblem::NoFolder;
    case EACCES:
    case EPERM:
    case EROFS: return SaveProblem::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return SaveProblem::DiskFull;
    case EISDIR: return SaveProblem::NotRegular;
    case ELOOP: return SaveProblem::SymbolicLink;
    default: return SaveProblem::Other;
    }
}

SaveResult failed(int error) { return {problem_of(error), error}; }

// The whole content, or the errno of the write that failed.
int write_all(int fd, const QByteArray& content) {
    const char* data = content.constData();
    std::size_t left = static_cast<std::size_t>(content.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// What the name holds now, without following a link.
SaveProblem kind_at(const QByteArray& name) {
    struct stat existing {};
    if (::lstat(name.constData(), &existing) != 0) return SaveProblem::None;
    if (S_ISLNK(existing.st_mode)) return SaveProblem::SymbolicLink;
    if (!S_ISREG(existing.st_mode)) return SaveProblem::NotRegular;
    return SaveProblem::Exists;
}

// Without hard links (FAT, some network shares) the name is taken by
// creating it exclusively: still never over anything, though not in one step.
int write_exclusively(const QByteArray& name, const QByteArray& content) {
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = write_all(fd, content);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(name.constData());
    return error;
}

} // namespace

SaveResult save_file(const QString& path, const QByteArray& content, SaveMode mode,
                     const std::function<void()>& before_commit) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) return {SaveProblem::NoFolder, ENOENT};
    const SaveProblem before = kind_at(name);
    if (before == SaveProblem::SymbolicLink || before == SaveProblem::NotRegular) return {before, 0};
    if (before == SaveProblem::Exists && mode == SaveMode::NewOnly) return {SaveProblem::Exists, EEXIST};

    const QFileInfo info(path);
    QByteArray pattern = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return failed(errno);
    // mkostemp makes the file private; the result reads like any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, 0666 & ~mask) != 0 ? errno : 0;
    if (error == 0) error = write_all(fd, content);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.data());
        return failed(error);
    }
    if (before_commit) before_commit();

    if (mode == SaveMode::Replace && kind_at(name) != SaveProblem::None) {
        const SaveProblem now = kind_at(name);
        if (now == SaveProblem::SymbolicLink || now == SaveProblem::NotRegular) {
            ::unlink(temporary.data());
            return {now, 0};
        }
        // rename() swaps the name itself: were it a link by now, the link
        // would be replaced, never its target written.
        if (::rename(temporary.data(), name.constData()) != 0) error = errno;
        if (error != 0) ::unlink(temporary.data());
        return error == 0 ? SaveResult{} : failed(error);
    }
    if (::link(temporary.data(), name.constData()) == 0) {
        ::unlink(temporary.data());
        return {};
    }
    error = errno;
    if (error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS) {
        ::unlink(temporary.data());
        error = write_exclusively(name, content);
        return error == 0 ? SaveResult{} : failed(error);
    }
    ::unlink(temporary.data());
    if (error == EEXIST) {
        const SaveProblem now = kind_at(name);
        return {now == SaveProblem::None ? SaveProblem::Exists : now, EEXIST};
    }
    return failed(error);
}

QString save_problem_text(const SaveResult& result, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (result.problem) {
    case SaveProblem::None: return {};
    case SaveProblem::Exists:
        return QStringLiteral("Die Datei \u201e%1\u201c gibt es inzwischen; sie wurde nicht überschrieben. Bitte "
                              "exportieren Sie noch einmal und bestätigen Sie das Ersetzen, oder wählen Sie einen "
                              "anderen Namen.")
            .arg(file);
    case SaveProblem::SymbolicLink:
        return QStringLiteral("\u201e%1\u201c ist eine symbolische Verknüpfung; Vespera schreibt nicht durch "
                              "Verknüpfungen. Bitte wählen Sie einen anderen Dateinamen.")
            .arg(file);
    case SaveProblem::NotRegular:
        return QStringLiteral("\u201e%1\u201c ist keine gewöhnliche Datei (etwa ein Ordner) und wird nicht ersetzt. "
                              "Bitte wählen Sie einen anderen Dateinamen.")
            .arg(file);
    case SaveProblem::NoFolder:
        return QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht anlegen: den Ordner \u201e%2\u201c gibt es "
                              "nicht. Bitte wählen Sie einen vorhandenen Ordner.")
            .arg(file, folder);
    case SaveProblem::NoPermission:
        return QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht anlegen: im Ordner \u201e%2\u201c fehlt das "
                              "Schreibrecht. Bitte wählen Sie einen Ordner, in den Sie schreiben dürfen, etwa Ihren "
                              "Dokumente-Ordner.")
            .arg(file, folder);
    case SaveProblem::DiskFull:
        return QStringLiteral("Die Datei \u201e%1\u201c ließ sich nicht schreiben: der Datenträger ist voll. Bitte "
                              "schaffen Sie Platz oder wählen Sie einen anderen Ort. Es wurde nichts geschrieben.")
            .arg(file);
    case SaveProblem::Other: break;
    }
    return QStringLiteral("Die Datei \u201e%1\u201c ließ sich nicht schreiben (%2). Bitte wählen Sie einen anderen "
                          "Ort. Es wurde nichts geschrieben.")
        .arg(file, QString::fromLocal8Bit(std::strerror(result.error)));
}

} // namespace vespera::ui
