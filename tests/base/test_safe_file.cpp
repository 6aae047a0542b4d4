// The one file writer: a failing disk keeps the old file and says why; a
// replaced file keeps its mode; long names; links are refused.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/safe_file.h"

namespace {

using vespera::WriteMode;
using vespera::WriteProblem;

std::string read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t entries(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

class SafeFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vespera-safe-file-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        old_ = folder_ / "VesperaApp.ini";
        std::ofstream(old_) << "[Settings]\nort=München\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
    std::filesystem::path old_;
};

TEST_F(SafeFile, AFailingDiskKeepsTheOldFile) {
    struct Case {
        const char* what;
        int error;
        std::size_t after_bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"full at once", ENOSPC, 0, "kein Platz auf dem Datenträger"},
        {"full within the file", ENOSPC, 7, "kein Platz auf dem Datenträger"},
        {"quota", EDQUOT, 3, "das Kontingent auf dem Datenträger ist erschöpft"},
        {"input/output error", EIO, 0, "Systemfehler 5 (Input/output error)"},
    };
    const std::string content(100000, 'x');
    for (const Case& c : cases) {
        for (const WriteMode mode : {WriteMode::Replace, WriteMode::NewOnly}) {
            vespera::WriteSeams seams;
            seams.write_error = [&c](std::size_t written) { return written >= c.after_bytes ? c.error : 0; };
            const std::filesystem::path path = mode == WriteMode::Replace ? old_ : folder_ / "neu.pdf";
            const vespera::WriteResult result = vespera::write_file_safely(path, content, mode, seams);
            EXPECT_FALSE(result.ok()) << c.what;
            EXPECT_EQ(vespera::write_reason(result), c.reason) << c.what;
            EXPECT_EQ(read(old_), "[Settings]\nort=München\n") << c.what;
            EXPECT_EQ(entries(folder_), 1u) << c.what << ": a file left behind";
        }
    }
}

// A real full file system: a 64 KB tmpfs in a mount namespace of its own
// (needs root or CAP_SYS_ADMIN), in a child process, since a process with
// threads cannot leave its mount namespace.
TEST_F(SafeFile, AFullTmpfsKeepsTheOldFile) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(77);
        }
        std::ofstream(old_) << "[Settings]\nort=München\n";
        {
            std::ofstream filler(folder_ / "filler", std::ios::binary);
            filler << std::string(60 * 1024, 'f');
        }
        const vespera::WriteResult result =
            vespera::write_file_safely(old_, std::string(16 * 1024, 'x'), WriteMode::Replace);
        const bool kept = read(old_) == "[Settings]\nort=München\n";
        const bool said = vespera::write_reason(result) == "kein Platz auf dem Datenträger";
        ::_exit(!result.ok() && kept && said && entries(folder_) == 2 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace here (not root?)";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(SafeFile, ReplacingKeepsTheModeAndTakesLongNames) {
    ASSERT_EQ(::chmod(old_.c_str(), 0600), 0);
    ASSERT_TRUE(vespera::write_file_safely(old_, "neu", WriteMode::Replace).ok());
    struct stat info {};
    ASSERT_EQ(::stat(old_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(read(old_), "neu");

    for (const std::size_t length : {254u, 255u}) {
        const std::filesystem::path name = folder_ / (std::string(length - 4, 'n') + ".ics");
        ASSERT_TRUE(vespera::write_file_safely(name, "eins", WriteMode::NewOnly).ok()) << length;
        EXPECT_TRUE(vespera::write_file_safely(name, "zwei", WriteMode::Replace).ok()) << length;
        EXPECT_EQ(read(name), "zwei") << length;
    }
    const vespera::WriteResult too_long =
        vespera::write_file_safely(folder_ / std::string(256, 'n'), "x", WriteMode::NewOnly);
    EXPECT_EQ(too_long.problem, WriteProblem::NameTooLong);
}

TEST_F(SafeFile, NeverThroughALinkNorOverAFolder) {
    const std::filesystem::path link = folder_ / "link.pdf";
    std::filesystem::create_symlink(old_, link);
    const std::filesystem::path dangling = folder_ / "dangling.pdf";
    std::filesystem::create_symlink(folder_ / "nirgends", dangling);
    std::filesystem::create_directory(folder_ / "ordner");
    for (const WriteMode mode : {WriteMode::NewOnly, WriteMode::Replace}) {
        EXPECT_EQ(vespera::write_file_safely(link, "x", mode).problem, WriteProblem::SymbolicLink);
        EXPECT_EQ(vespera::write_file_safely(dangling, "x", mode).problem, WriteProblem::SymbolicLink);
        EXPECT_EQ(vespera::write_file_safely(folder_ / "ordner", "x", mode).problem, WriteProblem::NotRegular);
    }
    EXPECT_EQ(read(old_), "[Settings]\nort=München\n");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "nirgends"));
    EXPECT_EQ(entries(folder_), 4u);
}

} // namespace
