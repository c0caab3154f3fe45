#include "core/samefile.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/text.h"
#include "tests/core/files.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeBytes;

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
