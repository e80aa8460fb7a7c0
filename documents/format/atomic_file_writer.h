#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rillo {

// The file-system calls a save makes. Each returns 0 or the errno value of
// its failure; tests substitute an implementation whose calls fail on demand.
class FileSystemIo {
   public:
    virtual ~FileSystemIo() = default;
    // Creates a new file for writing that must not exist yet (permissions as
    // for any new file: 0666 less the umask).
    virtual int CreateNew(const std::string& path, int& fd) = 0;
    // Writes some of the bytes; `written` tells how many.
    virtual int Write(int fd, const char* data, std::size_t size, std::size_t& written) = 0;
    virtual int SetMode(int fd, mode_t mode) = 0;
    virtual int Sync(int fd) = 0;
    virtual int Close(int fd) = 0;
    // Replaces `to` by `from` in one step.
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Makes a rename inside the folder durable; failures are of no consequence.
    virtual void SyncFolder(const std::string& folder) = 0;
};

// The real calls (POSIX).
FileSystemIo& SystemFileSystemIo();

// Writes `bytes` to `target` so that the previous file is never lost: the
// bytes go to a new temporary file in the target's folder, which is flushed to
// the disk and then renamed over the target. A target that is a symbolic link
// is written where the link points, and an existing file keeps its
// permissions. On failure the target is exactly as it was, the temporary file
// is removed, and the result is the system's description of the error.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                               FileSystemIo& io = SystemFileSystemIo());

}  // namespace rillo
