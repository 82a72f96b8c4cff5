// Files written whole or not at all, outputs that are the user's own history, and files
// changed by many writers under a lock.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_append.hpp"
#include "player_files/file_updates.hpp"
#include "player_files/locked_update.hpp"
#include "test_files.hpp"
#include "tickets/ticket_append.hpp"

namespace {

namespace fs = std::filesystem;

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

namespace {

std::string history_lines(int last)
{
    std::string text = "round,n1,n2,n3,n4,n5,n6\n";
    for (int round = 1; round <= last; ++round) {
        const int a = round % 30 + 1;
        text += std::to_string(round) + "," + std::to_string(a) + "," + std::to_string(a + 2) +
                "," + std::to_string(a + 4) + "," + std::to_string(a + 6) + "," +
                std::to_string(a + 8) + "," + std::to_string(a + 10) + "\n";
    }
    return text;
}

} // namespace

// A first run starts the history from the shipped draws under the file's lock, and only
// while the file is empty: a start that did not wait for the lock, or started the file
// again, could write over a draw another program had just added.
TEST(LockedFiles, AHistoryIsStartedOnceAndUnderItsLock)
{
    const fs::path path = own_folder() / "draws.csv";
    const std::string shipped = history_lines(20);
    const auto* text = reinterpret_cast<const unsigned char*>(shipped.data());
    FileLock held{};
    ASSERT_EQ(lock_file(path.c_str(), true, 0, held), LockOutcome::Locked);
    EXPECT_FALSE(start_file(path.c_str(), text, shipped.size(), 0));
    EXPECT_EQ(contents(path), "");
    unlock_file(held);
    ASSERT_TRUE(start_file(path.c_str(), text, shipped.size(), 0));
    EXPECT_EQ(contents(path), shipped);
    write(path, shipped + "21,1,2,3,4,5,6\n");
    ASSERT_TRUE(start_file(path.c_str(), text, shipped.size(), 0));
    EXPECT_EQ(contents(path), shipped + "21,1,2,3,4,5,6\n");
}

// Every writer also starts the missing history as a first run does.
TEST(LockedFiles, ManyWritersAtOnceLoseNothing)
{
    const fs::path folder = own_folder();
    const fs::path tickets_path = folder / "tickets.csv";
    const fs::path draws_path = folder / "draws.csv";
    const std::string shipped = history_lines(20);
    constexpr int WRITERS = 8;
    constexpr int GAMES_EACH = 10;
    pid_t children[WRITERS];
    for (int writer = 0; writer < WRITERS; ++writer) {
        children[writer] = fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] != 0) {
            continue;
        }
        static TicketFile seen;
        static DrawHistory draws;
        for (int game = 0; game < GAMES_EACH; ++game) {
            Ticket ticket{1 + writer, {1, 2, 3, 4, 5, 6 + game}, "", 0};
            RecordError error{};
            int known = 0;
            if (add_tickets_to_file(tickets_path.c_str(), &ticket, 1, 60'000, seen, error, known) !=
                AddTicketsOutcome::Added) {
                _exit(1);
            }
        }
        if (!start_file(draws_path.c_str(), reinterpret_cast<const unsigned char*>(shipped.data()),
                        shipped.size(), 60'000)) {
            _exit(4);
        }
        // Each writer adds the next draw until one of its own is in.
        for (;;) {
            RecordError error{};
            if (!read_draw_history(draws_path.c_str(), draws, error)) {
                _exit(2);
            }
            const int next = draws.draws[draws.count - 1].round + 1;
            const std::string line =
                std::to_string(next) + ",1,2,3,4,5," + std::to_string(10 + writer);
            Draw draw{};
            const AddDrawOutcome outcome =
                add_draw_to_file(draws_path.c_str(), line.c_str(), 60'000, draws, draw, error);
            if (outcome == AddDrawOutcome::Added) {
                break;
            }
            if (outcome != AddDrawOutcome::LineRefused) { // another's round came first
                _exit(3);
            }
        }
        _exit(0);
    }
    for (pid_t child : children) {
        int status = -1;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    static TicketFile tickets;
    RecordError error{};
    ASSERT_TRUE(read_ticket_file(tickets_path.c_str(), false, tickets, error)) << error.message;
    EXPECT_EQ(tickets.count, WRITERS * GAMES_EACH);
    static DrawHistory draws;
    ASSERT_TRUE(read_draw_history(draws_path.c_str(), draws, error)) << error.message;
    EXPECT_EQ(draws.count, 20 + WRITERS);
    EXPECT_EQ(files_in(folder), 2);
}

TEST(LockedFiles, AHeldLockIsWaitedForThenGivenUp)
{
    const fs::path folder = own_folder();
    const fs::path path = folder / "draws.csv";
    write(path, history_lines(20));
    FileLock held{};
    ASSERT_EQ(lock_file(path.c_str(), false, 0, held), LockOutcome::Locked);
    static DrawHistory draws;
    Draw draw{};
    RecordError error{};
    EXPECT_EQ(add_draw_to_file(path.c_str(), "21,1,2,3,4,5,6", 0, draws, draw, error),
              AddDrawOutcome::Busy);
    EXPECT_EQ(contents(path), history_lines(20));
    unlock_file(held);
    EXPECT_EQ(add_draw_to_file(path.c_str(), "21,1,2,3,4,5,6", 0, draws, draw, error),
              AddDrawOutcome::Added);
    EXPECT_EQ(contents(path), history_lines(20) + "21,1,2,3,4,5,6\n");
}

TEST(LockedFiles, AFullDiskOrAReadOnlyFolderLeavesTheOldFileAndNoTemporary)
{
    const fs::path folder = own_folder();
    const fs::path path = folder / "draws.csv";
    const std::string history = history_lines(400);
    write(path, history);
    static DrawHistory draws;
    Draw draw{};
    RecordError error{};
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit small = old_limit;
    small.rlim_cur = 4096; // the history is larger
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const AddDrawOutcome outcome =
        add_draw_to_file(path.c_str(), "401,1,2,3,4,5,6", 0, draws, draw, error);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(outcome, AddDrawOutcome::Failed);
    EXPECT_EQ(contents(path), history);
    EXPECT_EQ(files_in(folder), 1);

    if (geteuid() != 0) { // root writes anywhere
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(add_draw_to_file(path.c_str(), "401,1,2,3,4,5,6", 0, draws, draw, error),
                  AddDrawOutcome::Failed);
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(contents(path), history);
    }
}

// The allocation-free way: a file read whole into the caller's room, and one replaced with an
// insertion, read back and checked before it takes the old one's place.
TEST(RawFiles, ReadWholeOrRefusedAndReplacedOnlyWhenTheCheckSaysSo)
{
    const fs::path folder = own_folder();
    const fs::path path = folder / "games.csv";
    write(path, "round,n1\n1,2\n");
    char room[13];
    std::size_t length = 0;
    ASSERT_TRUE(read_whole_file(path.c_str(), room, sizeof room, length));
    EXPECT_EQ(std::string(room, length), "round,n1\n1,2\n");
    char small[12];
    EXPECT_FALSE(read_whole_file(path.c_str(), small, sizeof small, length));
    EXPECT_EQ(errno, EFBIG);
    EXPECT_FALSE(read_whole_file((folder / "missing.csv").c_str(), room, sizeof room, length));
    EXPECT_EQ(errno, ENOENT);

    // The check is handed exactly what the disk holds, read into the room the old bytes were
    // in; a refusal leaves the old file and no temporary one.
    static char buffer[64];
    const std::string old = "round,n1\n1,2\n";
    old.copy(buffer, old.size());
    const auto refuse = [](const char*, std::size_t, void*) { return false; };
    errno = 0;
    EXPECT_FALSE(replace_bytes_with_insertion(path.c_str(), buffer, old.size(), 9, "0,1\n", buffer,
                                              sizeof buffer, refuse, nullptr));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(files_in(folder), 1);
    std::string seen;
    const auto accept = [](const char* written, std::size_t size, void* context) {
        *static_cast<std::string*>(context) = std::string(written, size);
        return true;
    };
    old.copy(buffer, old.size());
    ASSERT_TRUE(replace_bytes_with_insertion(path.c_str(), buffer, old.size(), 9, "0,1\n", buffer,
                                             sizeof buffer, accept, &seen));
    EXPECT_EQ(seen, "round,n1\n0,1\n1,2\n");
    EXPECT_EQ(contents(path), "round,n1\n0,1\n1,2\n");
    EXPECT_EQ(files_in(folder), 1);
    old.copy(buffer, old.size());
    EXPECT_FALSE(replace_bytes_with_insertion(path.c_str(), buffer, old.size(), 99, "x", buffer,
                                              sizeof buffer, nullptr, nullptr));
    EXPECT_EQ(contents(path), "round,n1\n0,1\n1,2\n");
}
