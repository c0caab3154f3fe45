#pragma once
// Culverts and files for the summary and report tests.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/discharge.h"
#include "engine/runoff.h"
#include "engine/tables.h"
#include "project/records.h"

namespace sw::testing {

inline SubArea area(std::string surface, double c, std::string areaText)
{
    SubArea a;
    a.Surface = std::move(surface);
    a.C = c;
    a.AreaText = std::move(areaText);
    a.AreaAcres = CalAcres(a.AreaText);
    return a;
}

// Zone A, 10 years, 1010 ft / 1000 ft over 1000 ft, factor 1 (Design Manual): slope 0.01,
// corrected time of concentration 9.38 min.
inline CulvertRecord culvert(std::string id, std::vector<SubArea> areas)
{
    CulvertRecord c;
    c.CulvertNo = std::move(id);
    c.Description = "STA 12+50";
    c.RetPeriod = "10";
    c.RFZone = "A";
    c.EleRemote = c.EleRemoteFt = 1010;
    c.EleRemoteUnit = "ft";
    c.EleCulvert = c.EleCulvertFt = 1000;
    c.EleCulvertUnit = "ft";
    c.LenTravel = c.LenTravelFt = 1000;
    c.LenTravelUnit = "ft";
    c.CorFactor = 1;
    c.CorFactorSource = "Design Manual";
    c.Areas = std::move(areas);
    c.NumOfAreas = std::to_string(c.Areas.size());
    return c;
}

inline AppState stateWith(std::vector<CulvertRecord> culverts)
{
    AppState s;
    InitTables(s);
    s.ProjectInfo = {"Route 9 widening", "P-17", "C-4", "North section", "03/14/2024", "10:05:00 AM", "J. Doe"};
    s.CulvertList = std::move(culverts);
    s.CurCulvert = 0;
    return s;
}

// Runs every culvert as the run command does and insists that each was computed.
inline void computeAll(AppState& s)
{
    for (std::size_t i = 0; i < s.CulvertList.size(); ++i) {
        s.CurCulvert = static_cast<std::int16_t>(i);
        const CulvertRun run = CalCulvert(s, static_cast<int>(i));
        ASSERT_TRUE(run.computed()) << "culvert " << i << ": " << run.Reason;
    }
    s.CurCulvert = 0;
}

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = std::filesystem::temp_directory_path() /
                 ("stormwick-report-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::string file(const std::string& name) const { return (m_path / name).string(); }
    [[nodiscard]] std::size_t entryCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_path),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path m_path;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Lines ended by CR LF, as the files are written.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

}  // namespace sw::testing
