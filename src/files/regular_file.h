#pragma once
// Files named by the operator, a script or the state file are opened only when they are
// regular files (or do not exist yet, where a new file is allowed), and read only up to a
// bound. A FIFO, a device, a directory or a socket is refused before any open that could
// block or read without end.

#include <cstdint>
#include <string>

namespace orvant {

// Far beyond any controller's program memory, and beyond the largest state file (65535
// window records).
inline constexpr std::uint64_t kMaxScriptFileBytes = 64ull * 1024 * 1024;

enum class FileStatus {
    Ok,
    Missing,    // no directory entry of that name (or a dangling link)
    NotRegular, // a directory, FIFO, device or socket
    TooLarge,   // larger than the bound
    Failed,     // the system refused the open or the read
};

struct FileReadResult {
    FileStatus status = FileStatus::Failed;
    std::string bytes;      // the whole content when status is Ok
    std::uint64_t size = 0; // the size found when status is TooLarge
    std::string reason;     // the system's reason, or what kind of entry was refused
};

// Reads a regular file whole, at most `maxBytes` bytes.
FileReadResult ReadRegularFile(const std::string& path,
                               std::uint64_t maxBytes = kMaxScriptFileBytes);

// Empty when `path` may be opened for writing: it is a regular file or does not exist yet.
// Otherwise the reason, for example "it is a FIFO, not a regular file".
std::string WriteTargetProblem(const std::string& path);

// The text of a refusal for the operator: the reason of a failed read, with the size for a
// file over the bound.
std::string FileReadProblem(const FileReadResult& result, std::uint64_t maxBytes);

} // namespace orvant
