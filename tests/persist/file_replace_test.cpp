// How a save replaces what stands at its path, leaving no temporary file behind.
#include "../cli/cli_run.h"
#include "persist/design_writer.h"
#include "persist/file_io.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
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
    // The temporary file beside a target with a 250-character name cannot be created, so the
    // write fails after the old file was found.
    const std::string longName = std::string(246, 'd') + ".kvx";
    folder.write(longName, "old contents");
    EXPECT_FALSE(writeDesign(mainMenuSet(), folder.path(longName)).status.message.empty());
    EXPECT_EQ(folder.read(longName), "old contents");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string> {longName, "dir.kvx"}));
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

#endif
