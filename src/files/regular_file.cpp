#include "files/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvant {

namespace {

std::string KindRefusal(mode_t mode) {
    const char* kind = "a special file";
    if (S_ISDIR(mode))
        kind = "a directory";
    else if (S_ISFIFO(mode))
        kind = "a FIFO";
    else if (S_ISCHR(mode))
        kind = "a character device";
    else if (S_ISBLK(mode))
        kind = "a block device";
    else if (S_ISSOCK(mode))
        kind = "a socket";
    return std::string("it is ") + kind + ", not a regular file";
}

FileReadResult Refused(FileStatus status, std::string reason, std::uint64_t size = 0) {
    FileReadResult r;
    r.status = status;
    r.reason = std::move(reason);
    r.size = size;
    return r;
}

bool IsMissing(int error) {
    return error == ENOENT || error == ENOTDIR;
}

} // namespace

FileReadResult ReadRegularFile(const std::string& path, std::uint64_t maxBytes) {
    // The entry is judged before it is opened: opening a FIFO waits for a writer, and a
    // device may have effects of its own.
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0) {
        const int error = errno;
        return Refused(IsMissing(error) ? FileStatus::Missing : FileStatus::Failed,
                       std::strerror(error));
    }
    if (!S_ISREG(entry.st_mode))
        return Refused(FileStatus::NotRegular, KindRefusal(entry.st_mode));
    if (static_cast<std::uint64_t>(entry.st_size) > maxBytes)
        return Refused(FileStatus::TooLarge, "", static_cast<std::uint64_t>(entry.st_size));

    // O_NONBLOCK: should the entry have been swapped for a FIFO meanwhile, the open still
    // returns at once, and the check of the opened file refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return Refused(IsMissing(error) ? FileStatus::Missing : FileStatus::Failed,
                       std::strerror(error));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        const int error = errno;
        ::close(fd);
        return Refused(FileStatus::Failed, std::strerror(error));
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Refused(FileStatus::NotRegular, KindRefusal(opened.st_mode));
    }

    FileReadResult r;
    r.bytes.reserve(static_cast<std::size_t>(opened.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return Refused(FileStatus::Failed, std::strerror(error));
        }
        if (got == 0)
            break;
        // A file that grows while it is read is held to the same bound.
        if (r.bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            ::close(fd);
            return Refused(FileStatus::TooLarge, "",
                           r.bytes.size() + static_cast<std::size_t>(got));
        }
        r.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    r.status = FileStatus::Ok;
    return r;
}

std::string WriteTargetProblem(const std::string& path) {
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0)
        return ""; // not there yet (or unreachable): the open itself reports what fails
    return S_ISREG(entry.st_mode) ? "" : KindRefusal(entry.st_mode);
}

std::string FileReadProblem(const FileReadResult& result, std::uint64_t maxBytes) {
    switch (result.status) {
    case FileStatus::Ok:
        return "";
    case FileStatus::TooLarge:
        return "the file holds " + std::to_string(result.size) + " bytes, more than the " +
               std::to_string(maxBytes) + " bytes allowed";
    case FileStatus::Missing:
    case FileStatus::NotRegular:
    case FileStatus::Failed:
        break;
    }
    return result.reason;
}

} // namespace orvant
