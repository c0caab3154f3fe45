#pragma once
// Helpers shared by the project file tests: a temporary folder, raw file access, generated
// projects and the comparison of what a file carries.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "engine/runoff.h"
#include "engine/tables.h"
#include "engine/tc.h"
#include "project/records.h"

namespace sw::testing {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<unsigned> counter{0};
        std::random_device rd;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_path = std::filesystem::temp_directory_path() /
                 ("sw-project-test-" + std::to_string(rd()) + "-" + std::to_string(stamp) + "-" +
                  std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    // Everything in the folder, by file name.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_path))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
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
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lines joined with CR LF, each ended by it.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

inline std::string lf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

inline SubArea subArea(std::string surface, std::string areaText, double c, std::string description)
{
    SubArea a;
    a.Surface = std::move(surface);
    a.AreaText = std::move(areaText);
    a.AreaAcres = CalAcres(a.AreaText);
    a.C = c;
    a.Description = std::move(description);
    return a;
}

inline void setIntensity(CulvertRecord& c, std::string zone, double remote, std::string remoteUnit, double inlet,
                         std::string inletUnit, double length, std::string lengthUnit, double factor,
                         std::string source)
{
    c.RFZone = std::move(zone);
    c.EleRemote = remote;
    c.EleRemoteUnit = std::move(remoteUnit);
    c.EleRemoteFt = ToFeet(remote, c.EleRemoteUnit);
    c.EleCulvert = inlet;
    c.EleCulvertUnit = std::move(inletUnit);
    c.EleCulvertFt = ToFeet(inlet, c.EleCulvertUnit);
    c.LenTravel = length;
    c.LenTravelUnit = std::move(lengthUnit);
    c.LenTravelFt = ToFeet(length, c.LenTravelUnit);
    c.CorFactor = factor;
    c.CorFactorSource = std::move(source);
}

// A project as the editors leave it, drawn from a seed: table and user-defined surfaces, all
// four area units, feet and metres, negative elevations, factors from the list and typed ones,
// and texts with Windows-1252 letters.
inline AppState generatedProject(std::uint32_t seed, int culverts, int maxAreas)
{
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto amount = [&](double lo, double hi, int decimals) {
        return roundTo(lo + (hi - lo) * (static_cast<double>(rng()) / 4294967295.0), decimals);
    };
    const std::vector<std::string> surfaces = surfaceNames();
    const std::vector<std::string> userSurfaces = {"Gravel yard", "Pond é", "Roof 10° pitch", "Parking"};
    const std::vector<std::string> areaUnits = {"a", "h", "f", "m"};
    const std::vector<std::string> lengthUnits = {"ft", "m"};
    const std::vector<std::string> zones = {"A", "B", "C"};
    const std::vector<std::string> periods = {"2", "5", "10", "25", "50", "100", "500"};
    const std::vector<double> listFactors = {1.0, 0.8, 0.67, 1.5, 2.0, 0.4};

    AppState state;
    state.ProjectInfo.ProjectName = "Route " + std::to_string(seed) + " widening";
    state.ProjectInfo.ProjectNo = "P-" + std::to_string(seed % 1000);
    state.ProjectInfo.ControlNo = "0" + std::to_string(seed % 97) + "-12";
    state.ProjectInfo.ProDescrpt = "Culverts near Montréal, 45° north";
    state.ProjectInfo.ProjectDate = "03/14/2024";
    state.ProjectInfo.ProjectTime = "10:42:07 AM";
    state.ProjectInfo.Designer = "A. Noël";
    for (int i = 0; i < culverts; ++i) {
        CulvertRecord c;
        c.CulvertNo = "C" + std::to_string(i + 1);
        c.Description = "Sta " + std::to_string(100 + i) + "+" + std::to_string(pick(100));
        c.RetPeriod = periods[static_cast<std::size_t>(pick(7))];
        const int areas = pick(maxAreas + 1);
        for (int j = 0; j < areas; ++j) {
            const bool user = pick(4) == 0;
            const std::string surface = user ? userSurfaces[static_cast<std::size_t>(pick(4))]
                                             : surfaces[static_cast<std::size_t>(pick(static_cast<int>(surfaces.size())))];
            const double c2 = user ? amount(0.05, 0.99, 2)
                                   : GetCValue(surface, std::stoi(c.RetPeriod), "");
            const std::string areaText =
                formatNumber(amount(0.1, 9999.9, 1), "####0.0") + " " + areaUnits[static_cast<std::size_t>(pick(4))];
            c.Areas.push_back(subArea(surface, areaText, c2, j % 3 == 0 ? "" : "ditch " + std::to_string(j)));
        }
        c.NumOfAreas = areas == 0 ? (pick(2) == 0 ? "" : "0") : std::to_string(areas);
        if (pick(5) != 0) {
            const bool typed = pick(3) == 0;
            const double remote = amount(-50.0, 3000.0, 2);
            setIntensity(c, zones[static_cast<std::size_t>(pick(3))], remote,
                         lengthUnits[static_cast<std::size_t>(pick(2))], roundTo(remote - amount(1.0, 40.0, 1), 2),
                         lengthUnits[static_cast<std::size_t>(pick(2))], amount(10.0, 20000.0, 1),
                         lengthUnits[static_cast<std::size_t>(pick(2))],
                         typed ? amount(0.3, 3.0, 2) : listFactors[static_cast<std::size_t>(pick(6))],
                         typed ? "User Defined" : "Design Manual");
        }
        state.CulvertList.push_back(std::move(c));
    }
    return state;
}

// Compares what a project file carries, and checks that the derived fields read back were
// derived from it.
inline void expectSameFileContents(const AppState& written, const AppState& read)
{
    EXPECT_EQ(written.ProjectInfo, read.ProjectInfo);
    const std::size_t count = usedCulvertCount(written.CulvertList);
    ASSERT_EQ(count, read.CulvertList.size());
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE("culvert " + std::to_string(i));
        const CulvertRecord& w = written.CulvertList[i];
        const CulvertRecord& r = read.CulvertList[i];
        EXPECT_EQ(w.CulvertNo, r.CulvertNo);
        EXPECT_EQ(w.Description, r.Description);
        EXPECT_EQ(w.RetPeriod, r.RetPeriod);
        const auto n = static_cast<std::size_t>(declaredAreaCount(w));
        EXPECT_EQ(declaredAreaCount(r), static_cast<std::int64_t>(n));
        ASSERT_EQ(r.Areas.size(), n);
        for (std::size_t j = 0; j < n; ++j) {
            SCOPED_TRACE("sub-area " + std::to_string(j));
            EXPECT_EQ(w.Areas[j].Surface, r.Areas[j].Surface);
            EXPECT_EQ(w.Areas[j].AreaText, r.Areas[j].AreaText);
            EXPECT_EQ(w.Areas[j].C, r.Areas[j].C);
            EXPECT_EQ(w.Areas[j].Description, r.Areas[j].Description);
            EXPECT_EQ(r.Areas[j].AreaAcres, CalAcres(r.Areas[j].AreaText));
        }
        EXPECT_EQ(w.RFZone, r.RFZone);
        if (!w.RFZone.empty()) {
            EXPECT_EQ(w.EleRemote, r.EleRemote);
            EXPECT_EQ(w.EleRemoteUnit, r.EleRemoteUnit);
            EXPECT_EQ(w.EleCulvert, r.EleCulvert);
            EXPECT_EQ(w.EleCulvertUnit, r.EleCulvertUnit);
            EXPECT_EQ(w.LenTravel, r.LenTravel);
            EXPECT_EQ(w.LenTravelUnit, r.LenTravelUnit);
            EXPECT_EQ(w.CorFactor, r.CorFactor);
            EXPECT_EQ(w.CorFactorSource, r.CorFactorSource);
            EXPECT_EQ(r.EleRemoteFt, ToFeet(r.EleRemote, r.EleRemoteUnit));
            EXPECT_EQ(r.EleCulvertFt, ToFeet(r.EleCulvert, r.EleCulvertUnit));
            EXPECT_EQ(r.LenTravelFt, ToFeet(r.LenTravel, r.LenTravelUnit));
        }
        // Results are never read from a file.
        EXPECT_EQ(r.Slope, 0.0);
        EXPECT_EQ(r.CorTC, 0.0);
        EXPECT_EQ(r.WeightedC, 0.0);
        EXPECT_EQ(r.TotalArea, 0.0);
        EXPECT_EQ(r.Intensity, 0.0);
    }
}

}  // namespace sw::testing
