#include "own_dates/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace vespera::own_dates {
namespace {

constexpr auto kPatience = std::chrono::seconds(5);
constexpr auto kRetry = std::chrono::milliseconds(10);

class FlockLock final : public HeldLock {
public:
    explicit FlockLock(int fd) : fd_(fd) {}
    ~FlockLock() override { ::close(fd_); } // closing releases the flock
    FlockLock(const FlockLock&) = delete;
    FlockLock& operator=(const FlockLock&) = delete;

private:
    int fd_;
};

} // namespace

std::unique_ptr<HeldLock> lock_file(const std::filesystem::path& lock_path, std::string& error) {
    const int fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error = "Die Sperrdatei " + lock_path.string() + " kann nicht angelegt werden" +
                (errno == ELOOP ? " (sie ist eine symbolische Verknüpfung)." : " (kein Schreibrecht im Ordner?).");
        return nullptr;
    }
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
            ::close(fd);
            error = "Die Termine werden gerade von einem anderen Vespera-Fenster gespeichert (" + lock_path.string() +
                    "). Bitte versuchen Sie es gleich noch einmal.";
            return nullptr;
        }
        std::this_thread::sleep_for(kRetry);
    }
    return std::make_unique<FlockLock>(fd);
}

} // namespace vespera::own_dates
