#include "core/filereplace.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace sw {
namespace {

namespace fs = std::filesystem;

bool isAccessErrno(int err)
{
    return err == EACCES || err == EPERM || err == EROFS || err == ENOENT || err == ENOTDIR;
}

FileReplace failed(FileReplace::Status status, int err = 0, std::string reason = {})
{
    FileReplace out;
    out.status = status;
    out.Errno = err;
    out.Reason = reason.empty() && err != 0 ? std::generic_category().message(err) : std::move(reason);
    return out;
}

fs::path temporaryBeside(const fs::path& target)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".~sw%016llx.tmp", static_cast<unsigned long long>(random()));
        fs::path candidate = target;
        candidate += suffix;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)))
            return candidate;
    }
    return {};
}

// Removes the temporary file unless it made it into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        std::error_code ec;
        if (!m_path.empty())
            fs::remove(m_path, ec);
    }
    [[nodiscard]] const fs::path& path() const { return m_path; }
    void release() { m_path.clear(); }

private:
    fs::path m_path;
};

}  // namespace

bool FileReplace::accessRefused() const
{
    switch (status) {
    case Status::NoPath:
    case Status::NoFolder:
    case Status::NotWritable:
        return Errno == 0 || isAccessErrno(Errno);
    case Status::CannotCreate:
    case Status::NotReplaced:
        return isAccessErrno(Errno);
    default:
        return false;
    }
}

FileReplace replaceFileContents(std::string_view utf8Path, std::string_view bytes)
{
    // A path cut short at a NUL would name another file.
    if (utf8Path.empty() || utf8Path.find('\0') != std::string_view::npos)
        return failed(FileReplace::Status::NoPath);
    fs::path target(std::u8string(utf8Path.begin(), utf8Path.end()));
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }

    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists) {
        if (fs::is_directory(existing))
            return failed(FileReplace::Status::IsFolder);
        if (!fs::is_regular_file(existing))
            return failed(FileReplace::Status::NotOrdinaryFile);
        // A file we may not write must stay refused, even where its folder would let a new file
        // take its place.
        errno = 0;
        if (!std::fstream(target, std::ios::in | std::ios::out | std::ios::binary).is_open())
            return failed(FileReplace::Status::NotWritable, errno);
    } else {
        if (!target.has_filename())
            return failed(FileReplace::Status::IsFolder);
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        if (!fs::is_directory(folder, ec))
            return failed(FileReplace::Status::NoFolder, ENOENT);
    }

    const fs::path tempPath = temporaryBeside(target);
    if (tempPath.empty())
        return failed(FileReplace::Status::NoTemporaryName);
    errno = 0;
    std::ofstream out(tempPath, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out)
        return failed(FileReplace::Status::CannotCreate, errno);
    TemporaryFile temp(tempPath);
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (!out)
        return failed(FileReplace::Status::NotWhole, errno);
    if (exists)
        fs::permissions(temp.path(), existing.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp.path(), target, ec);
    if (ec)
        return failed(FileReplace::Status::NotReplaced, ec.value(), ec.message());
    temp.release();
    FileReplace done;
    done.status = FileReplace::Status::Replaced;
    return done;
}

}  // namespace sw
