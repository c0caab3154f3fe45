#include "core/filereplace.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/samefile.h"
#include "core/text.h"
#include "tests/core/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace sw {
namespace {

namespace fs = std::filesystem;
using Names = testing::Lines;
using Status = FileReplace::Status;

using testing::readBytes;
using testing::TempDir;
using testing::withFileSizeLimit;
using testing::writeBytes;

// A save killed part-way through its writing, as by a crash: a child process saving more than
// its file size limit lets it write, with the signal for that left to end it.
void killedSave(const std::string& path)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        (void)replaceFileContents(path, std::string(1 << 16, 'k'));
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
}

TEST(FileReplace, SaveLeavesOnlyTheTargetWithExactlyItsBytes)
{
    std::string big(3 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7919 % 251);
    const TempDir dir;
    const std::string path = dir.file("route9.prj");
    for (const std::string& bytes : {std::string("first\r\nline\0two", 15), big, std::string("short"), std::string()}) {
        const FileReplace r = replaceFileContents(path, bytes);
        ASSERT_TRUE(r.replaced()) << r.Reason;
        EXPECT_EQ(readBytes(path), bytes);
        EXPECT_EQ(dir.entries(), Names{"route9.prj"});
    }

    // Through a link: the link stays and the file it names, with its permissions, is replaced.
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    fs::create_symlink(path, dir.file("link.prj"));
    ASSERT_TRUE(replaceFileContents(dir.file("link.prj"), "linked").replaced());
    EXPECT_TRUE(fs::is_symlink(dir.file("link.prj")));
    EXPECT_EQ(readBytes(path), "linked");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::mask, perms);
    EXPECT_EQ(dir.entries(), (Names{"link.prj", "route9.prj"}));
}

TEST(FileReplace, NextSaveRemovesLeftTemporariesOfThatFileOnly)
{
    enum Kind { File, Folder, Link, Pipe, Locked };
    struct Entry {
        const char* name;
        Kind kind;
        bool removed;
    };
    const Entry entries[] = {
        {"c.prj.~sw0123456789abcdef.tmp", File, true},
        {"c.prj.~swffffffffffffffff.tmp", File, true},
        {"c.prj.~sw00000000000000aa.tmp", Locked, false},  // another save is writing it
        {"c.prj.~sw1111111111111111.tmp", Folder, false},
        {"c.prj.~sw2222222222222222.tmp", Link, false},
        {"c.prj.~sw3333333333333333.tmp", Pipe, false},
        {"d.prj.~sw0123456789abcdef.tmp", File, false},
        {"xc.prj.~sw0123456789abcdef.tmp", File, false},
        {"c.pr.~sw0123456789abcdef.tmp", File, false},
        {"c.prj.~sw0123456789abcde.tmp", File, false},
        {"c.prj.~sw0123456789abcdef0.tmp", File, false},
        {"c.prj.~sw0123456789ABCDEF.tmp", File, false},
        {"c.prj.~sw0123456789abcdeg.tmp", File, false},
        {"c.prj.~sw0123456789abcdef.tmp.bak", File, false},
        {"c.prj~sw0123456789abcdef.tmp", File, false},
        {"c.prj.~sw0123456789abcdef.tm", File, false},
    };
    const TempDir dir;
    writeBytes(dir.file("c.prj"), "former");
    writeBytes(dir.file("other.txt"), "other");
    Names expected{"c.prj", "other.txt"};
    int lockedFd = -1;
    for (const Entry& e : entries) {
        const std::string path = dir.file(e.name);
        if (e.kind == Folder)
            fs::create_directory(path);
        else if (e.kind == Link)
            fs::create_symlink(dir.file("other.txt"), path);
        else if (e.kind == Pipe)
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        else
            writeBytes(path, "left");
        if (e.kind == Locked) {
            lockedFd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(flock(lockedFd, LOCK_EX | LOCK_NB), 0);
        }
        if (!e.removed)
            expected.push_back(e.name);
    }
    std::ranges::sort(expected);

    ASSERT_TRUE(replaceFileContents(dir.file("c.prj"), "saved").replaced());
    close(lockedFd);
    EXPECT_EQ(dir.entries(), expected);
    EXPECT_EQ(readBytes(dir.file("c.prj")), "saved");
    EXPECT_EQ(readBytes(dir.file("other.txt")), "other");
}

// Any name the folder takes can be saved, replaced and have the leavings of a killed save cleared,
// however little room the name leaves for the temporary file's.
TEST(FileReplace, LongNamesAreSavedReplacedAndCleanedUp)
{
    auto ascii = [](std::size_t size) { return std::string(size - 4, 'r') + ".prj"; };
    std::string multibyte(199, 'x');  // the character at the cut is three bytes long
    for (int i = 0; i < 18; ++i)
        multibyte += "\xE6\xB0\xB4";
    multibyte += "\xC3\xA9";
    const Names names{ascii(8), ascii(231), ascii(232), ascii(250), ascii(255), multibyte};
    ASSERT_EQ(multibyte.size(), 255u);
    const std::regex tempName(R"((.*)\.~sw[0-9a-f]{16}\.tmp)");

    for (const std::string& name : names) {
        SCOPED_TRACE(name.size());
        const TempDir dir;
        if (pathconf(dir.path().c_str(), _PC_NAME_MAX) < 255)
            GTEST_SKIP() << "the temporary folder takes names of fewer than 255 bytes";
        const std::string path = dir.file(name);
        const FileReplace first = replaceFileContents(path, "first");
        ASSERT_TRUE(first.replaced()) << first.Reason;
        ASSERT_NO_FATAL_FAILURE(killedSave(path));
        EXPECT_EQ(readBytes(path), "first");

        // What the killed save left: a name the folder takes, starting with the whole of the
        // target's name where there was room, else with a part of it cut between characters.
        Names left = dir.entries();
        std::erase(left, name);
        ASSERT_EQ(left.size(), 1u);
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(left[0], parts, tempName)) << left[0];
        const std::string stem = parts[1];
        EXPECT_LE(left[0].size(), 255u);
        EXPECT_TRUE(name.starts_with(stem));
        if (name.size() <= 231)
            EXPECT_EQ(stem, name);
        else
            EXPECT_TRUE(stem.size() > 227 && (static_cast<unsigned char>(name[stem.size()]) & 0xC0) != 0x80);

        const FileReplace second = replaceFileContents(path, "second");
        ASSERT_TRUE(second.replaced()) << second.Reason;
        EXPECT_EQ(readBytes(path), "second");
        EXPECT_EQ(dir.entries(), Names{name});
    }
}

TEST(FileReplace, RefusalsAndFailuresLeaveTheFolderAsItWas)
{
    const TempDir dir;
    fs::create_directory(dir.file("sub"));
    writeBytes(dir.file("kept.prj"), "former");
    writeBytes(dir.file("locked.prj"), "former");
    fs::permissions(dir.file("locked.prj"), fs::perms::owner_read);
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    struct Case {
        std::string path;
        Status status;
        rlim_t fileLimit = RLIM_INFINITY;
        bool rootCanWrite = false;
    };
    const Case cases[] = {
        {dir.file("sub"), Status::IsFolder},
        {dir.file("missing/new.prj"), Status::NoFolder},
        {dir.file("pipe"), Status::NotOrdinaryFile},
        {std::string("kept.prj\0x", 10), Status::NoPath},
        {"   ", Status::NoPath},
        {dir.file("locked.prj"), Status::NotWritable, RLIM_INFINITY, true},
        {dir.file("kept.prj"), Status::NotWhole, 4096},  // the disk fills up half-way
    };
    const Names before = dir.entries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.rootCanWrite && geteuid() == 0)
            continue;
        const FileReplace r =
            withFileSizeLimit(c.fileLimit, [&] { return replaceFileContents(c.path, std::string(1 << 16, 'n')); });
        EXPECT_EQ(r.status, c.status) << r.Reason;
        EXPECT_EQ(dir.entries(), before);
        EXPECT_EQ(readBytes(dir.file("kept.prj")), "former");
    }
}

// Files are compared, not the spellings of their names: by device and inode where both exist, by
// the resolved path where one is not there yet.
TEST(SameFile, ComparesFilesNotSpellings)
{
    const TempDir dir;
    const auto at = [&](const char* name) { return dir.file(name); };
    fs::create_directory(at("sub"));
    writeBytes(at("p.txt"), "project");
    writeBytes(at("copy.txt"), "project");
    fs::create_symlink(at("p.txt"), at("link.txt"));
    fs::create_hard_link(at("p.txt"), at("hard.txt"));
    fs::create_directory_symlink(dir.path(), at("sub/up"));
    const struct {
        std::string first, second;
        bool same;
    } cases[] = {
        {at("p.txt"), at("p.txt"), true},
        {at("p.txt"), at("sub/../p.txt"), true},
        {at("p.txt"), at("link.txt"), true},
        {at("hard.txt"), at("p.txt"), true},
        {at("sub/up/p.txt"), at("p.txt"), true},
        {at("copy.txt"), at("p.txt"), false},       // the same bytes are not the same file
        {at("new.txt"), at("p.txt"), false},        // not there yet
        {at("sub/up/new.txt"), at("./new.txt"), true},  // neither there: the resolved paths
        {at("new.txt"), at("sub/new.txt"), false},
        {"", at("p.txt"), false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sameFile(c.first, c.second), c.same) << c.first << " | " << c.second;
        EXPECT_EQ(sameFile(c.second, c.first), c.same) << c.second << " | " << c.first;
    }
    // The refusal names the output as it was given; an untitled project refuses nothing.
    EXPECT_EQ(outputOverProject(at("link.txt"), at("p.txt")), fillMessage(msg::kOutputIsProject, {at("link.txt")}));
    EXPECT_EQ(outputOverProject(at("copy.txt"), at("p.txt")), "");
    EXPECT_EQ(outputOverProject(at("p.txt"), ""), "");
}

}  // namespace
}  // namespace sw
