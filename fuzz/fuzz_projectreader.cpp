// Any bytes given to File > Open as a project file: the format check, the read and, when the
// read succeeds, saving the project and reading back what was saved. Nothing may crash or hang,
// a refused read must leave the project in memory alone, and a file this program saved must
// always read back whole.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "project/projectreader.h"
#include "project/projectwriter.h"

namespace {

namespace fs = std::filesystem;

// One folder per fuzzing process, removed when it ends normally.
class Scratch {
public:
    Scratch()
    {
        std::random_device rd;
        m_dir = fs::temp_directory_path() / ("sw-fuzz-projectreader-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(m_dir);
    }
    ~Scratch()
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string file(const char* name) const { return (m_dir / name).string(); }

private:
    fs::path m_dir;
};

const Scratch& scratch()
{
    static const Scratch s;
    return s;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

[[noreturn]] void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "fuzz_projectreader: %s\n%s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input = scratch().file("input.prj");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            fail("cannot write the input file", input);
    }

    const sw::FormatCheck check = sw::CheckFileFormat(input);
    if (check.status == sw::FormatCheck::Status::Failed)
        fail("the format check could not read an ordinary file", check.Message);

    // Open reads only files the check accepts; the reader must stand any file all the same.
    sw::Document state;
    state.ProjectInfo.ProjectName = "project in memory before the read";
    const sw::LoadOutcome load = sw::readProjectFile(state, input);
    if (load.status == sw::LoadOutcome::Status::Refused) {
        if (state.ProjectInfo.ProjectName != "project in memory before the read" || !state.CulvertList.empty())
            fail("a refused read changed the project in memory", load.Message);
        return 0;
    }
    if (!load.loaded())
        return 0;

    // Save and open again until the file no longer changes. Each round can only shrink the file
    // (text re-read as UTF-8 that was meant as Windows-1252), so it settles within a few rounds.
    const std::string names[2] = {scratch().file("saved-a.prj"), scratch().file("saved-b.prj")};
    std::string previous;
    for (int round = 0; round < 16; ++round) {
        const std::string& path = names[round % 2];
        const sw::WriteOutcome written = sw::Write2File(state, path);
        if (written.status == sw::WriteOutcome::Status::MissingInputs)
            return 0;  // a file without culverts: nothing to save
        if (!written.written())
            fail("saving a project that was read failed", written.Message);
        std::string bytes = readBytes(path);
        if (round > 0 && bytes == previous)
            return 0;
        previous = std::move(bytes);

        sw::Document again;
        const sw::LoadOutcome reload = sw::readProjectFile(again, path);
        if (!reload.loaded())
            fail("a file this program saved did not read back whole", reload.Message + "\n" + previous);
        state = std::move(again);
    }
    fail("saving and reading again never settled", previous);
}
