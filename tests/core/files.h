#pragma once
// Files for the tests of every layer: a temporary folder, raw reading and writing of bytes, and a
// disk that fills up.

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace sw::testing {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir() { fs::create_directories(m_path); }
    TempDir(const TempDir&) = delete;
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const fs::path& path() const { return m_path; }
    // The names in the folder, sorted: what a write may have left behind.
    Lines entries() const
    {
        Lines names;
        for (const auto& e : fs::directory_iterator(m_path))
            names.push_back(e.path().filename().string());
        std::ranges::sort(names);
        return names;
    }

private:
    const fs::path m_path = fs::temp_directory_path() / ("sw-test-" + std::to_string(std::random_device{}()) + "-" +
                                                         std::to_string(std::random_device{}()));
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `write` with files limited to `bytes`, as on a disk that fills up half-way.
template <class Write>
auto withFileSizeLimit(rlim_t bytes, Write write)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{bytes, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    struct Restore {
        rlimit limit;
        decltype(oldHandler) handler;
        ~Restore()
        {
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, handler);
        }
    } restore{old, oldHandler};
    return write();
}

}  // namespace sw::testing
