// The one writer of the rates file: whole files only, the backup written the
// same way, no link followed, the old file's mode kept, imports serialised.
#include "currency/rates_file_writer.h"
#include "ecb_fixtures.h"
#include "temp_folder.h"

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace corrolab {
namespace {

namespace fs = std::filesystem;

std::string Old()
{
    return "\"h1\"\n\"h2\"\n\"h3\"\n\"h4\"\n\"h5\"\n\"Old Rates\"\n\"Euro\",0.9\n";
}

// The names in a folder other than the lock file the writer keeps there.
std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != ".Currency.txt.lock")
            names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

mode_t ModeOf(const fs::path& path)
{
    struct stat status
    {
    };
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

TEST(RatesFileWriter, TheBackupIsNeverWrittenThroughALink)
{
    const TempFolder folder;
    const auto precious = folder.Write("precious.txt", "keep me");
    const auto rates = folder.path() / "rates";
    fs::create_directories(rates);
    std::ofstream(rates / "Currency.txt") << Old();
    fs::create_symlink(precious, rates / "Currency.txt.bak");

    ASSERT_EQ(ReplaceRatesFile(rates, "new"), std::nullopt);
    EXPECT_EQ(ReadWhole(precious), "keep me");
    EXPECT_FALSE(fs::is_symlink(rates / "Currency.txt.bak"));
    EXPECT_EQ(ReadWhole(rates / "Currency.txt.bak"), Old());
    EXPECT_EQ(ReadWhole(rates / "Currency.txt"), "new");
}

TEST(RatesFileWriter, TheOldFilesModeIsKept)
{
    const mode_t modes[] = {0600, 0444, 0640, 0644};
    for (const mode_t mode : modes) {
        const TempFolder folder;
        const auto file = folder.Write("Currency.txt", Old());
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        ASSERT_EQ(ReplaceRatesFile(folder.path(), "new"), std::nullopt) << std::oct << mode;
        EXPECT_EQ(ModeOf(file), mode) << std::oct << mode;
        EXPECT_EQ(ModeOf(folder.path() / "Currency.txt.bak"), mode) << std::oct << mode;
        EXPECT_EQ(ReadWhole(file), "new") << std::oct << mode;
    }
    // A first file is readable by all, as the shipped one is.
    const TempFolder empty;
    ASSERT_EQ(ReplaceRatesFile(empty.path(), "new"), std::nullopt);
    EXPECT_EQ(ModeOf(empty.path() / "Currency.txt"), 0644u);
}

TEST(RatesFileWriter, StaleTemporariesAreRemoved)
{
    const TempFolder folder;
    folder.Write("Currency.txt", Old());
    folder.Write(".Currency.txt.Ab12Cd", "left by a killed import");
    folder.Write(".Currency.txt.notes", "not one of ours");
    ASSERT_EQ(ReplaceRatesFile(folder.path(), "new"), std::nullopt);
    EXPECT_EQ(Entries(folder.path()),
        (std::vector<std::string> {".Currency.txt.notes", "Currency.txt", "Currency.txt.bak"}));
}

// A small file system of its own, so that the disk can be full (needs root).
class FullDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        disk = folder.path() / "disk";
        fs::create_directories(disk);
        if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "no small file system can be mounted here";
        mounted = true;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount(disk.c_str());
    }
    TempFolder folder;
    fs::path disk;
    bool mounted = false;
};

TEST_F(FullDisk, NothingChangesAndTheReasonIsNamed)
{
    struct Row
    {
        const char* name;
        size_t oldSize; // of the file in use
        size_t filler; // bytes that take up the disk first
        size_t newSize;
    };
    const Row rows[] = {
        {"the new file does not fit", 2000, 0, 200000},
        {"the backup does not fit", 20000, 24000, 100},
    };
    for (const Row& row : rows) {
        for (const auto& entry : fs::directory_iterator(disk))
            fs::remove(entry.path());
        const std::string old = Old() + std::string(row.oldSize, '#');
        std::ofstream(disk / "Currency.txt") << old;
        std::ofstream(disk / "Currency.txt.bak") << "previous backup";
        std::ofstream(disk / "filler") << std::string(row.filler, 'f');
        const auto failure = ReplaceRatesFile(disk, std::string(row.newSize, 'n'));
        ASSERT_TRUE(failure.has_value()) << row.name;
        EXPECT_NE(failure->find("No space left on device"), std::string::npos)
            << row.name << ": " << *failure;
        EXPECT_EQ(ReadWhole(disk / "Currency.txt"), old) << row.name;
        EXPECT_EQ(ReadWhole(disk / "Currency.txt.bak"), "previous backup") << row.name;
        EXPECT_EQ(Entries(disk),
            (std::vector<std::string> {"Currency.txt", "Currency.txt.bak", "filler"}))
            << row.name;
    }
}

TEST(RatesFileWriter, ConcurrentImportsLeaveWholeFiles)
{
    const TempFolder folder;
    folder.Write("Currency.txt", Old());
    constexpr int kWriters = 4;
    constexpr int kRounds = 25;
    const auto content
        = [](int writer) { return std::string(50000, static_cast<char>('a' + writer)); };
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int r = 0; r < kRounds; ++r)
                if (ReplaceRatesFile(folder.path(), content(w)))
                    ::_exit(1);
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto whole = [&](const std::string& text) {
        for (int w = 0; w < kWriters; ++w)
            if (text == content(w))
                return true;
        return false;
    };
    EXPECT_TRUE(whole(ReadWhole(folder.path() / "Currency.txt")));
    EXPECT_TRUE(whole(ReadWhole(folder.path() / "Currency.txt.bak")));
    EXPECT_EQ(
        Entries(folder.path()), (std::vector<std::string> {"Currency.txt", "Currency.txt.bak"}));
}

TEST(RatesFileWriter, AnImportWaitsForTheOneInProgress)
{
    const TempFolder folder;
    folder.Write("Currency.txt", Old());
    ASSERT_EQ(ReplaceRatesFile(folder.path(), "first"), std::nullopt);
    // Another import holds the lock: this one must not write until it is let go.
    const int held = ::open((folder.path() / ".Currency.txt.lock").c_str(), O_RDWR);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    std::optional<std::string> result = "not run";
    std::thread second([&] { result = ReplaceRatesFile(folder.path(), "second"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(ReadWhole(folder.path() / "Currency.txt"), "first");
    ::flock(held, LOCK_UN);
    ::close(held);
    second.join();
    EXPECT_EQ(result, std::nullopt);
    EXPECT_EQ(ReadWhole(folder.path() / "Currency.txt"), "second");
    EXPECT_EQ(ReadWhole(folder.path() / "Currency.txt.bak"), "first");
}

} // namespace
} // namespace corrolab
