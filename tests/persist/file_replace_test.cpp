// How a save replaces what stands at its path, leaving no temporary file behind.
#include "../cli/cli_run.h"
#include "persist/design_writer.h"
#include "persist/file_io.h"
#include "persist/temporary_name.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kovrin;
using kovrin::test::TempFolder;
using namespace kovrin::testing;
namespace fs = std::filesystem;

namespace {

// Every name in the folder, so a temporary file left over shows.
std::vector<std::string> namesIn(const TempFolder &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(fs::path(folder.path("")).parent_path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

#ifndef _WIN32
fs::perms permsOf(const std::string &path)
{
    return fs::status(path).permissions() & fs::perms::mask;
}
#endif

} // namespace

TEST(FileReplace, ARegularFileIsReplacedWholeAndNothingElseIsLeft)
{
    TempFolder folder;
    const std::string target = folder.write("a.kvx", "old");
    DialogSet set = mainMenuSet();
    set.renameDialog(1, "\xE2\x98\x85"); // not in the code page: written as "?" and reported
    const WriteOutcome outcome = writeDesign(set, target);
    ASSERT_TRUE(outcome.status) << outcome.status.message;
    EXPECT_EQ(outcome.replacedTexts, std::vector<std::string> {"dialog \"\xE2\x98\x85\", name"});
    EXPECT_EQ(folder.read("a.kvx"), designBytes(set).bytes);
    ASSERT_TRUE(writeFileAtomically(folder.path("b.kvx"), "made"));
    EXPECT_EQ(folder.read("b.kvx"), "made");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"a.kvx", "b.kvx"}));

    // The same file through another path.
    EXPECT_TRUE(isSameFile(target, (fs::path(folder.path("")) / "." / "a.kvx").string()));
    EXPECT_FALSE(isSameFile(target, folder.path("b.kvx")));
    EXPECT_FALSE(isSameFile(target, folder.path("missing.kvx")));
    fs::create_hard_link(target, folder.path("hard.kvx"));
    EXPECT_TRUE(isSameFile(target, folder.path("hard.kvx")));
}

TEST(FileReplace, AFailedWriteLeavesWhatStoodThereAndNothingElse)
{
    TempFolder folder;
    fs::create_directory(folder.path("dir.kvx"));
    const Status toFolder = writeFileAtomically(folder.path("dir.kvx"), "x");
    EXPECT_NE(toFolder.message.find("folder"), std::string::npos) << toFolder.message;
    EXPECT_TRUE(fs::is_directory(folder.path("dir.kvx")));
    const WriteOutcome missing = writeDesign(mainMenuSet(), folder.path("none/x.kvx"));
    EXPECT_NE(missing.status.message.find("x.kvx"), std::string::npos);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"dir.kvx"}));
}

// The temporary file's name is shortened to the name limit, never inside a character.
TEST(FileReplace, AFileWithTheLongestNameIsSavedOver)
{
#ifdef _WIN32
    GTEST_SKIP() << "a path longer than 260 characters needs long paths turned on";
#endif
    TempFolder folder;
    const std::string accented = "\xC3\xA9"; // two bytes, one character
    for (const std::string &name :
         {std::string(246, 'd') + ".kvx", std::string(kLongestFileName - 4, 'e') + ".kvx",
          std::string(125, 'a') + accented + std::string(120, 'a')}) {
        folder.write(name, "old contents");
        const Status saved = writeFileAtomically(folder.path(name), "new contents");
        EXPECT_TRUE(saved) << saved.message;
        EXPECT_EQ(folder.read(name), "new contents");
        EXPECT_EQ(namesIn(folder), (std::vector<std::string> {name}));
        fs::remove(folder.path(name));
    }
}

// Temporary files of processes that are gone go; those of this one, and other names, stay.
TEST(FileReplace, TheTemporaryFilesOfGoneProcessesAreRemoved)
{
    TempFolder folder;
    const std::string own = std::to_string(
#ifdef _WIN32
        GetCurrentProcessId()
#else
        ::getpid()
#endif
    );
    const std::vector<std::string> kept {".a.kvx." + own + ".0123abcd.tmp",
                                         ".a.kvx.999999999.0123abcd.old", ".a.kvx.tmp",
                                         "a.kvx.999999999.0123abcd.tmp", "b.kvx"};
    for (const std::string &name : kept)
        folder.write(name, "x");
    folder.write(".a.kvx.999999999.0123abcd.tmp", "left by a gone process");
    folder.write(".b.kvx.999999998.ffffffff.tmp", "left by another");
    EXPECT_EQ(removeLeftTemporaries(fs::path(folder.path(""))), 2u);
    auto sorted = kept;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(namesIn(folder), sorted);
}

// Every name a save makes is read back as its maker's, within the name limit; the kept copy of a
// save in place is no temporary to remove.
TEST(FileReplace, ATemporaryNameTellsTheProcessThatMadeIt)
{
    const std::string accented = "\xC3\xA9";
    for (const std::string &name : {std::string("a.kvx"), std::string(300, 'n'),
                                    std::string(240, 'a') + accented + std::string(20, 'a')}) {
        for (const unsigned long process : {1ul, 4194304ul, 4294967295ul}) {
            for (const std::uint32_t random : {0u, 0x1a2b3c4du, 0xffffffffu}) {
                SCOPED_TRACE(name + " " + std::to_string(process));
                const fs::path target
                    = fs::path("folder") / fs::path(std::u8string(name.begin(), name.end()));
                const fs::path made = temporaryName(target, process, random);
                EXPECT_EQ(made.parent_path(), target.parent_path());
                EXPECT_LE(made.filename().native().size(), kLongestFileName);
                EXPECT_EQ(temporaryOwner(made), process);
                EXPECT_EQ(temporaryOwner(temporaryName(target, process, random, kKeptCopyEnding)),
                          std::nullopt);
            }
        }
    }
}

// Reading stops at its limit: a file from its size, a device as soon as more has come.
TEST(FileRead, MoreThanTheLimitIsRefusedWhateverKindOfFileItIs)
{
    TempFolder folder;
    const std::string ten = folder.write("ten.kvx", "0123456789");
    EXPECT_EQ(readWholeFile(ten, 10).value, "0123456789");
    EXPECT_NE(readWholeFile(ten, 9).message.find("larger than 9 bytes"), std::string::npos);
#ifndef _WIN32
    const auto endless = readWholeFile("/dev/zero", 1024 * 1024);
    EXPECT_NE(endless.message.find("larger than 1 MB"), std::string::npos) << endless.message;
#endif
}

#ifndef _WIN32

TEST(FileReplace, ALinkIsSavedThroughAndStaysALink)
{
    TempFolder folder;
    const std::string real = folder.write("real.kvx", "old");
    fs::create_symlink("real.kvx", folder.path("link.kvx"));
    fs::create_symlink("link.kvx", folder.path("chain.kvx"));
    ASSERT_TRUE(writeFileAtomically(folder.path("chain.kvx"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path("link.kvx")));
    EXPECT_TRUE(fs::is_symlink(folder.path("chain.kvx")));
    EXPECT_EQ(folder.read("real.kvx"), "new");
    EXPECT_TRUE(isSameFile(real, folder.path("chain.kvx")));

    // A link to a file not made yet makes it.
    fs::create_symlink("later.kvx", folder.path("dangling.kvx"));
    ASSERT_TRUE(writeFileAtomically(folder.path("dangling.kvx"), "made"));
    EXPECT_TRUE(fs::is_symlink(folder.path("dangling.kvx")));
    EXPECT_EQ(folder.read("later.kvx"), "made");
}

TEST(FileReplace, PermissionsAreKeptANewFileGetsTheUsersDefaultAndAReadOnlyFileIsRefused)
{
    using enum fs::perms;
    TempFolder folder;
    const std::string secret = folder.write("secret.kvx", "old");
    fs::permissions(secret, owner_read | owner_write);
    ASSERT_TRUE(writeFileAtomically(secret, "new"));
    EXPECT_EQ(permsOf(secret), owner_read | owner_write);

    const mode_t before = ::umask(027);
    const Status made = writeFileAtomically(folder.path("new.kvx"), "x");
    ::umask(before);
    ASSERT_TRUE(made);
    EXPECT_EQ(permsOf(folder.path("new.kvx")), owner_read | owner_write | group_read);

    fs::permissions(secret, owner_read | group_read | others_read);
    const Status locked = writeFileAtomically(secret, "newer");
    EXPECT_NE(locked.message.find("secret.kvx"), std::string::npos) << locked.message;
    EXPECT_NE(locked.message.find("read-only"), std::string::npos) << locked.message;
    EXPECT_EQ(folder.read("secret.kvx"), "new");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"new.kvx", "secret.kvx"}));
}

TEST(FileReplace, ADeviceOrANamedPipeIsWrittenAsAStream)
{
    ASSERT_TRUE(writeFileAtomically("/dev/null", "into nothing"));
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);

    TempFolder folder;
    const std::string pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    fs::create_symlink("pipe", folder.path("to-pipe"));
    const Status written = writeFileAtomically(folder.path("to-pipe"), "through the pipe");
    reader.join();
    EXPECT_TRUE(written) << written.message;
    EXPECT_EQ(received, "through the pipe");
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"pipe", "to-pipe"}));
}

// Autosaved work and its note are opened only as regular files within their limit.
TEST(FileRead, AFileOfTheProgramsOwnIsUsedOnlyWhenRegularAndWithinItsLimit)
{
    TempFolder folder;
    folder.write("note", std::string(kMaxSourceNoteBytes, 'x'));
    folder.write("big", std::string(kMaxSourceNoteBytes + 1, 'x'));
    fs::create_symlink("note", folder.path("link"));
    fs::create_symlink("/dev/zero", folder.path("zero"));
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    const struct
    {
        const char *name;
        bool usable;
    } rows[] = {{"note", true},  {"missing", true}, {"big", false},
                {"link", false}, {"zero", false},   {"pipe", false}};
    for (const auto &row : rows)
        EXPECT_EQ(bool(checkOwnFile(folder.path(row.name), kMaxSourceNoteBytes)), row.usable)
            << row.name;
}

// Every name of a file with several sees the new bytes; the link count stays.
TEST(FileReplace, AFileWithSeveralNamesIsWrittenInPlaceKeepingEveryName)
{
    TempFolder folder;
    const std::string first = folder.write("first.kvx", "the old content, longer than the new");
    fs::create_hard_link(first, folder.path("second.kvx"));
    ASSERT_TRUE(writeFileAtomically(folder.path("second.kvx"), "new"));
    EXPECT_EQ(folder.read("first.kvx"), "new");
    EXPECT_EQ(folder.read("second.kvx"), "new");
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"first.kvx", "second.kvx"}));

    // A write cut short by the file size limit puts the old bytes back.
    struct rlimit before
    {
    };
    ::getrlimit(RLIMIT_FSIZE, &before);
    struct rlimit small = before;
    small.rlim_cur = 64;
    const auto quiet = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status failed = writeFileAtomically(first, std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, quiet);
    EXPECT_NE(failed.message.find("old content was put back"), std::string::npos) << failed.message;
    EXPECT_EQ(folder.read("first.kvx"), "new");
    EXPECT_EQ(folder.read("second.kvx"), "new");
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {"first.kvx", "second.kvx"}));
}

// A child saves in a loop and is ended by SIGTERM at random moments: no temporary file is left.
TEST(FileReplace, ASaveEndedBySigtermLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string target = folder.path("a.kvx");
    std::mt19937 random(std::random_device {}());
    for (int kill = 0; kill < 50; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string bytes(256 * 1024, 'x');
            for (;;)
                (void)writeFileAtomically(target, bytes);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        ::kill(child, SIGTERM);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        for (const std::string &name : namesIn(folder))
            ASSERT_EQ(name, "a.kvx") << "after kill " << kill;
    }
}

#endif
