// Files written whole or not at all, and outputs that are the user's own history.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/replaced_file.hpp"

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, emptied first.
fs::path own_folder()
{
    fs::path folder =
        fs::path(testing::TempDir()) /
        ("lotto-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

int files_in(const fs::path& folder)
{
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplacedFile, ReplacesWholeKeepingLinksAndModes)
{
    const fs::path folder = own_folder();
    const fs::path chart = folder / "chart.svg";
    write(chart, "old");
    fs::permissions(chart, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(chart, folder / "link.svg");

    ReplacedFile file{};
    ASSERT_TRUE(begin_replacement((folder / "link.svg").c_str(), file));
    std::fputs("new", file.stream);
    EXPECT_EQ(contents(chart), "old"); // nothing shows before the end
    ASSERT_TRUE(commit_replacement(file));
    EXPECT_EQ(contents(chart), "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.svg"));
    EXPECT_EQ(fs::status(chart).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(files_in(folder), 2);

    ASSERT_TRUE(begin_replacement((folder / "fresh.svg").c_str(), file));
    abandon_replacement(file);
    EXPECT_FALSE(fs::exists(folder / "fresh.svg"));
    EXPECT_EQ(files_in(folder), 2);
}

TEST(ReplacedFile, AFullDiskLeavesTheOldFile)
{
    const fs::path folder = own_folder();
    const fs::path chart = folder / "chart.svg";
    write(chart, "old");
    ReplacedFile file{};
    ASSERT_TRUE(begin_replacement(chart.c_str(), file));
    // A file-size limit fails the writes as a full disk does.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string half_a_chart(std::size_t{64} * 1024, 'x');
    std::fputs(half_a_chart.c_str(), file.stream);
    const bool committed = commit_replacement(file);
    const int reason = errno;
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(committed);
    EXPECT_NE(reason, 0);
    EXPECT_TRUE(contents(chart) == "old");
    EXPECT_EQ(files_in(folder), 1);
}

TEST(ReplacedFile, PlacesThatCannotBeWrittenAreKnownAtOnce)
{
    const fs::path folder = own_folder();
    ReplacedFile file{};
    EXPECT_FALSE(begin_replacement((folder / "missing" / "chart.svg").c_str(), file));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(begin_replacement(folder.c_str(), file));
    EXPECT_EQ(errno, EISDIR);
    // A device is written straight, never replaced.
    ASSERT_TRUE(begin_replacement("/dev/null", file));
    EXPECT_TRUE(commit_replacement(file));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(ReplacedFile, SameFileByAnyName)
{
    const fs::path folder = own_folder();
    const fs::path history = folder / "draws.csv";
    write(history, "1,1,2,3,4,5,6\n");
    fs::create_symlink(history, folder / "link.csv");
    fs::create_hard_link(history, folder / "hard.csv");
    write(folder / "other.csv", "1,1,2,3,4,5,6\n");
    for (const fs::path& name :
         {history, folder / "." / "draws.csv", folder / "link.csv", folder / "hard.csv"}) {
        EXPECT_TRUE(same_file(name.c_str(), history.c_str())) << name;
    }
    EXPECT_FALSE(same_file((folder / "other.csv").c_str(), history.c_str()));
    EXPECT_FALSE(same_file((folder / "missing.csv").c_str(), history.c_str()));

    // Standard output pointed at the history, as `>> draws.csv` does.
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    std::FILE* appended = std::fopen(history.c_str(), "ab");
    dup2(fileno(appended), STDOUT_FILENO);
    const bool caught =
        standard_output_is(history.c_str()) && same_file("/dev/stdout", history.c_str());
    dup2(saved, STDOUT_FILENO);
    close(saved);
    std::fclose(appended);
    EXPECT_TRUE(caught);
    EXPECT_FALSE(standard_output_is(history.c_str()));
}

} // namespace

TEST(ReplacedFile, ASignalThatEndsTheProgramTakesTheTemporaryFileWithIt)
{
    const fs::path folder = own_folder();
    const fs::path target = folder / "chart.svg";
    write(target, "old");
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ReplacedFile file{};
            if (!begin_replacement(target.c_str(), file)) {
                _exit(3);
            }
            std::fputs("new, never to be seen", file.stream);
            std::fflush(file.stream);
            raise(signal_number);
            _exit(4); // not reached: the signal ends the child
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number)
            << "signal " << signal_number << ", status " << status;
        EXPECT_EQ(files_in(folder), 1) << "a temporary file outlived signal " << signal_number;
        EXPECT_EQ(contents(target), "old");
    }
    // Once the replacement is over the signals are as they were.
    ReplacedFile file{};
    ASSERT_TRUE(begin_replacement(target.c_str(), file));
    std::fputs("new", file.stream);
    ASSERT_TRUE(commit_replacement(file));
    struct sigaction action {};
    sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    EXPECT_EQ(contents(target), "new");
}
