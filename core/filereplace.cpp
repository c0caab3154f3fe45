#include "core/filereplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "core/messages.h"
#include "core/text.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// What the temporary name adds to the target's: ".~sw", 16 lowercase hex digits, ".tmp".
constexpr std::string_view kTempMark = ".~sw";
constexpr std::size_t kTempDigits = 16;
constexpr std::string_view kTempEnd = ".tmp";
constexpr std::size_t kTempSuffixSize = kTempMark.size() + kTempDigits + kTempEnd.size();

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

// The part of the target's name that starts its temporary files' names. A name that fits the
// folder must not fail for its temporary name being too long, so the target's name is cut where
// needed, at the start of a UTF-8 character so that the name stays readable text.
std::string temporaryPrefix(const fs::path& folder, const std::string& name)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 0 ? static_cast<std::size_t>(limit) : 255;
    if (name.size() + kTempSuffixSize <= nameMax)
        return name;
    std::size_t keep = nameMax > kTempSuffixSize ? nameMax - kTempSuffixSize : 0;
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return name.substr(0, keep);
}

bool isTemporaryName(std::string_view entry, std::string_view prefix)
{
    if (entry.size() != prefix.size() + kTempSuffixSize || !entry.starts_with(prefix))
        return false;
    entry.remove_prefix(prefix.size());
    if (!entry.starts_with(kTempMark) || !entry.ends_with(kTempEnd))
        return false;
    const std::string_view digits = entry.substr(kTempMark.size(), kTempDigits);
    return std::ranges::all_of(digits, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Temporary files of this target left by a save that was killed would otherwise stay for good.
// One that another save still holds locked is in use, not left behind, and stays.
void removeLeftTemporaries(const fs::path& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name, prefix))
            continue;
        const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = ::openat(dirFd, entry->d_name, O_RDONLY | flags);
        if (fd < 0 && errno == EACCES)
            fd = ::openat(dirFd, entry->d_name, O_WRONLY | flags);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// The temporary file being written; removed unless it made it into place.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }

    // Creates a file of a free name; 0 on success, else the errno (EEXIST when no name was free).
    int create(const fs::path& folder, const std::string& prefix)
    {
        static thread_local std::mt19937_64 random{std::random_device{}()};
        for (int attempt = 0; attempt < 16; ++attempt) {
            char suffix[40];
            std::snprintf(suffix, sizeof suffix, "%s%016llx%s", kTempMark.data(),
                          static_cast<unsigned long long>(random()), kTempEnd.data());
            fs::path candidate = folder / (prefix + suffix);
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_fd = fd;
                m_path = std::move(candidate);
                // Tells a later save's clean-up that this file is in use.
                ::flock(m_fd, LOCK_EX | LOCK_NB);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // Writes all of `bytes` and puts them on the disk; 0 on success, else the errno.
    int writeAndSync(std::string_view bytes)
    {
        const char* next = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, next, std::min<std::size_t>(left, SSIZE_MAX));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            if (n == 0)
                return EIO;
            next += n;
            left -= static_cast<std::size_t>(n);
        }
        // Without this a power cut soon after the rename could leave the file empty or short.
        while (::fsync(m_fd) != 0) {
            if (errno != EINTR)
                return errno;
        }
        const int fd = m_fd;
        m_fd = -1;
        // The descriptor is gone even when close fails, so it is not retried.
        if (::close(fd) != 0 && errno != EINTR)
            return errno;
        return 0;
    }

    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] const fs::path& path() const { return m_path; }
    void release() { m_path.clear(); }

private:
    int m_fd = -1;
    fs::path m_path;
};

// The rename is on the disk only once the folder is; the file is in place whatever comes of this.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string describeReplaceFailure(std::string_view utf8Path, const FileReplace& r)
{
    const std::string reason = r.Reason.empty() ? std::string(msg::kReasonUnknown) : r.Reason;
    switch (r.status) {
    case FileReplace::Status::Replaced:
        return {};
    case FileReplace::Status::NoPath:
        return std::string(msg::kFileNoLocation);
    case FileReplace::Status::IsFolder:
        return fillMessage(msg::kPathIsFolder, {utf8Path});
    case FileReplace::Status::NotOrdinaryFile:
        return fillMessage(msg::kPathNotOrdinaryFile, {utf8Path});
    case FileReplace::Status::NoFolder:
        return fillMessage(msg::kPathNoFolder, {utf8Path});
    case FileReplace::Status::NotWritable:
        return fillMessage(msg::kSaveCannotOpen, {utf8Path, reason});
    case FileReplace::Status::NoTemporaryName:
        return fillMessage(msg::kSaveNoTemporary, {utf8Path});
    case FileReplace::Status::CannotCreate:
        return fillMessage(msg::kSaveCannotCreate, {utf8Path, reason});
    case FileReplace::Status::NotWhole:
        return fillMessage(msg::kSaveNotWhole, {utf8Path, reason});
    case FileReplace::Status::NotReplaced:
        break;
    }
    return fillMessage(msg::kSaveNotReplaced, {utf8Path, reason});
}

std::string replaceFailureMessage(std::string_view utf8Path, const FileReplace& failure)
{
    const std::string what = describeReplaceFailure(utf8Path, failure);
    return failure.status == FileReplace::Status::NoPath ? what : fillMessage(msg::kFileNotWritten, {what});
}

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
    // A path cut short at a NUL would name another file; one of blanks alone was never meant.
    if (trimSpaces(utf8Path).empty() || utf8Path.find('\0') != std::string_view::npos)
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
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
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
        if (!fs::is_directory(folder, ec))
            return failed(FileReplace::Status::NoFolder, ENOENT);
    }

    const std::string prefix = temporaryPrefix(folder, target.filename().native());
    removeLeftTemporaries(folder, prefix);
    TemporaryFile temp;
    if (const int err = temp.create(folder, prefix); err != 0) {
        if (err == EEXIST)
            return failed(FileReplace::Status::NoTemporaryName);
        return failed(FileReplace::Status::CannotCreate, err);
    }
    // Before the bytes go in, so that they are never readable by more people than the file was.
    if (exists)
        ::fchmod(temp.fd(), static_cast<mode_t>(existing.permissions() & fs::perms::mask));
    if (const int err = temp.writeAndSync(bytes); err != 0)
        return failed(FileReplace::Status::NotWhole, err);
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        return failed(FileReplace::Status::NotReplaced, errno);
    temp.release();
    syncFolder(folder);
    FileReplace done;
    done.status = FileReplace::Status::Replaced;
    return done;
}

}  // namespace sw
