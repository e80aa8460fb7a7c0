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
    // Opens an existing file for writing, its content left as it is; fails
    // as any save would when the user may not write the file.
    virtual int OpenExisting(const std::string& path, int& fd) = 0;
    // Writes some of the bytes; `written` tells how many.
    virtual int Write(int fd, const char* data, std::size_t size, std::size_t& written) = 0;
    // Cuts the file to `size` bytes.
    virtual int Truncate(int fd, off_t size) = 0;
    virtual int SetMode(int fd, mode_t mode) = 0;
    virtual int SetOwner(int fd, uid_t owner, gid_t group) = 0;
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

// Writes `bytes` to `target` so that the previous file is not lost: the bytes
// go to a new temporary file (".rillo-" and six random characters) in the
// target's folder, which is flushed to the disk and then renamed over the
// target; on failure the target is exactly as it was and the temporary file
// is removed. A target that is a symbolic link is written where the link
// points.
//
// An existing target is first opened for writing, so a file the user may not
// write is refused and left alone, whoever may write its folder. It keeps its
// owner, group and permissions. Where the replacement cannot keep them (the
// owner or group cannot be given to a new file), where the folder takes no
// new file, or where the file has other hard links that must go on sharing
// its data, the file is written in place instead: overwritten, cut to its new
// length and flushed, as a plain save does. A target that is no regular file
// (a folder, a device, a pipe) is refused.
//
// The result is nothing on success, otherwise the system's description of
// the error.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                               FileSystemIo& io = SystemFileSystemIo());

// A file's new content written in pieces and put in place as
// WriteFileAtomically puts it: the pieces go to the temporary file as they
// come, and the target changes only in Commit. Until then, after a failure,
// and when the writer is dropped without a Commit, the target is exactly as
// it was and no temporary file is left. Where the file must be written in
// place (see above), the pieces are held in memory until Commit.
class AtomicFileWriter {
   public:
    explicit AtomicFileWriter(const std::filesystem::path& target, FileSystemIo& io = SystemFileSystemIo());
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Checks the target and makes the temporary file; each returns nothing on
    // success, otherwise the system's description of the error, after which
    // every further call fails with it.
    std::optional<std::string> Open();
    std::optional<std::string> Append(std::string_view bytes);
    std::optional<std::string> Commit();
    // The temporary file being written; empty when there is none.
    std::string TemporaryPath() const { return temporaryFd_ >= 0 ? temporary_ : std::string(); }

   private:
    std::optional<std::string> Fail(int error);
    void Discard();

    std::filesystem::path target_;
    FileSystemIo& io_;
    enum class State { New, Open, Done, Failed } state_ = State::New;
    std::optional<std::string> failure_;
    bool inPlace_ = false;
    int targetFd_ = -1;     // an existing target, open for writing
    int temporaryFd_ = -1;  // the replacement being written
    std::string temporary_;
    std::string held_;  // the content of a file written in place
};

}  // namespace rillo
