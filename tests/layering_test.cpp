// The layers' order, kept by a check rather than by goodwill: every #include of every folder may
// name only its own folder and those below it,
//   core -> model -> engine -> project -> report -> platform -> session -> ui -> app,
// and the layers below the desktop use the standard library alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kRank = {
    {"core", 0}, {"model", 1}, {"engine", 2},  {"project", 3}, {"report", 4},
    {"platform", 5}, {"session", 6}, {"ui", 7}, {"app", 8}, {"tools", 8}, {"bench", 8}, {"fuzz", 8},
};
constexpr int kFirstDesktopRank = 5;  // platform: the first layer that may use Qt

struct Include {
    std::string file;  // relative to the source folder
    int line = 0;
    std::string target;
    bool angled = false;
};

std::vector<Include> includesUnder(const fs::path& root, const std::string& folder)
{
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
    std::vector<Include> out;
    if (!fs::exists(root / folder))
        return out;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        std::ifstream in(entry.path());
        std::string text;
        int lineNo = 0;
        while (std::getline(in, text)) {
            ++lineNo;
            std::smatch m;
            if (std::regex_search(text, m, include))
                out.push_back({fs::relative(entry.path(), root).string(), lineNo, m[2], m[1] == "<"});
        }
    }
    return out;
}

// The folder a quoted include names ("engine/tc.h" -> "engine"), empty for a file of no folder
// (a form's generated header).
std::string folderOf(const std::string& target)
{
    const auto slash = target.find('/');
    return slash == std::string::npos ? std::string() : target.substr(0, slash);
}

// What is wrong with an include of a file whose own layer has rank `rank`; empty when nothing is.
std::string fault(const Include& inc, int rank, bool isTest)
{
    if (inc.angled)
        return rank < kFirstDesktopRank && inc.target.starts_with("Q") ? "a Qt header below the desktop layer" : "";
    if (inc.target.starts_with(".."))
        return "a path that climbs out of its folder";
    const std::string folder = folderOf(inc.target);
    if (folder.empty() || (isTest && folder == "tests"))
        return "";
    const auto it = kRank.find(folder);
    if (it == kRank.end())
        return "a folder that is no layer";
    if (it->second > rank)
        return "a layer above its own";
    return "";
}

TEST(Layering, EveryIncludeRunsDownTheLayers)
{
    const fs::path root = STORMWICK_SOURCE_DIR;
    std::string faults;
    std::size_t checked = 0;
    auto check = [&](const std::string& folder, int rank, bool isTest) {
        for (const Include& inc : includesUnder(root, folder)) {
            ++checked;
            if (const std::string why = fault(inc, rank, isTest); !why.empty())
                faults += inc.file + ":" + std::to_string(inc.line) + ": " + inc.target + ": " + why + "\n";
        }
    };
    for (const auto& [folder, rank] : kRank) {
        // The screenshot tool and the window timings drive the windows on the tests' scripted desktop.
        check(folder, rank, folder == "tools" || folder == "bench");
        // A folder's tests stand on its layer; the tests' own helpers are theirs.
        check("tests/" + folder, rank, true);
    }
    EXPECT_EQ(faults, "");
    // The scan saw the tree, not an empty folder.
    EXPECT_GT(checked, 400u);
}

// The check itself: what it must refuse, it refuses.
TEST(Layering, TheCheckRefusesIncludesAgainstTheOrder)
{
    const int engine = kRank.at("engine");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "project/records.h", false}, engine, false), "a layer above its own");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "ui/main/frmmain.h", false}, engine, false), "a layer above its own");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "QString", true}, engine, false), "a Qt header below the desktop layer");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "../project/x.h", false}, engine, false),
              "a path that climbs out of its folder");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "tests/engine/enginefixture.h", false}, engine, false),
              "a folder that is no layer");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "model/records.h", false}, engine, false), "");
    EXPECT_EQ(fault({"engine/x.cpp", 1, "vector", true}, engine, false), "");
    EXPECT_EQ(fault({"ui/main/x.cpp", 1, "QWidget", true}, kRank.at("ui"), false), "");
    EXPECT_EQ(fault({"tests/ui/x.cpp", 1, "tests/ui/editorsteps.h", false}, kRank.at("ui"), true), "");
}

}  // namespace
