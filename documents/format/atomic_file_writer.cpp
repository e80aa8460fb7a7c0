#include "documents/format/atomic_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace rillo {

namespace {

class PosixFileSystemIo final : public FileSystemIo {
   public:
    int CreateNew(const std::string& path, int& fd) override {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd < 0 ? errno : 0;
    }
    int OpenExisting(const std::string& path, int& fd) override {
        fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return fd < 0 ? errno : 0;
    }
    int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        ssize_t n = ::write(fd, data, size);
        written = n > 0 ? static_cast<std::size_t>(n) : 0;
        return n < 0 ? errno : 0;
    }
    int Truncate(int fd, off_t size) override { return ::ftruncate(fd, size) < 0 ? errno : 0; }
    int SetMode(int fd, mode_t mode) override { return ::fchmod(fd, mode) < 0 ? errno : 0; }
    int SetOwner(int fd, uid_t owner, gid_t group) override {
        return ::fchown(fd, owner, group) < 0 ? errno : 0;
    }
    int Sync(int fd) override { return ::fsync(fd) < 0 ? errno : 0; }
    int Close(int fd) override { return ::close(fd) < 0 ? errno : 0; }
    int Rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) < 0 ? errno : 0;
    }
    int Remove(const std::string& path) override { return ::unlink(path.c_str()) < 0 ? errno : 0; }
    void SyncFolder(const std::string& folder) override {
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        ::fsync(fd);
        ::close(fd);
    }
};

std::string Describe(int error) {
    return std::strerror(error);
}

// A short name of its own, so that any target name the folder allows leaves
// room for it.
std::string TemporaryName(const std::filesystem::path& folder) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".rillo-";
    for (int i = 0; i < 6; ++i) name.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    return (folder / name).string();
}

std::filesystem::path ResolveLink(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) return target;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

// Writes every byte, going on after partial writes and interruptions.
int WriteAll(FileSystemIo& io, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t written = 0;
        int error = io.Write(fd, bytes.data(), bytes.size(), written);
        if (error == EINTR) continue;
        if (error != 0) return error;
        if (written == 0) return EIO;
        bytes.remove_prefix(written);
    }
    return 0;
}

// Writes the bytes over the start of an open file, cuts it to their length
// and flushes it.
int WriteInPlace(FileSystemIo& io, int fd, std::string_view bytes) {
    int error = WriteAll(io, fd, bytes);
    if (error == 0) error = io.Truncate(fd, static_cast<off_t>(bytes.size()));
    if (error == 0) error = io.Sync(fd);
    return error;
}

enum class Replacement { Started, Failed, NotPossible };

// Makes the temporary file that will be renamed over the target, with an
// existing target's owner, group and permissions. NotPossible when no
// temporary file can be made that keeps its owner and group; nothing has
// changed then.
Replacement StartReplacement(const std::filesystem::path& target, const struct stat* existing, FileSystemIo& io,
                             std::string& temporary, int& fd, int& error) {
    error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary = TemporaryName(target.parent_path());
        error = io.CreateNew(temporary, fd);
    }
    if (error != 0) {
        fd = -1;
        return existing ? Replacement::NotPossible : Replacement::Failed;
    }

    if (existing) {
        // The owner first: changing it may clear the set-user-ID bits of the mode.
        struct stat made {};
        const bool sameOwner =
            ::fstat(fd, &made) == 0 && made.st_uid == existing->st_uid && made.st_gid == existing->st_gid;
        if (!sameOwner && io.SetOwner(fd, existing->st_uid, existing->st_gid) != 0) {
            io.Close(fd);
            io.Remove(temporary);
            fd = -1;
            return Replacement::NotPossible;
        }
        error = io.SetMode(fd, existing->st_mode & 07777);
        if (error != 0) {
            io.Close(fd);
            io.Remove(temporary);
            fd = -1;
            return Replacement::Failed;
        }
    }
    return Replacement::Started;
}

}  // namespace

FileSystemIo& SystemFileSystemIo() {
    static PosixFileSystemIo io;
    return io;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                               FileSystemIo& io) {
    AtomicFileWriter writer(target, io);
    std::optional<std::string> error = writer.Open();
    if (!error) error = writer.Append(bytes);
    if (!error) error = writer.Commit();
    return error;
}

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& target, FileSystemIo& io)
    : target_(target), io_(io) {}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

void AtomicFileWriter::Discard() {
    if (temporaryFd_ >= 0) {
        io_.Close(temporaryFd_);
        io_.Remove(temporary_);
        temporaryFd_ = -1;
    }
    if (targetFd_ >= 0) {
        io_.Close(targetFd_);
        targetFd_ = -1;
    }
    held_.clear();
}

std::optional<std::string> AtomicFileWriter::Fail(int error) {
    Discard();
    state_ = State::Failed;
    failure_ = Describe(error);
    return failure_;
}

std::optional<std::string> AtomicFileWriter::Open() {
    if (state_ != State::New) return failure_ ? failure_ : Describe(EINVAL);
    target_ = ResolveLink(std::filesystem::absolute(target_));
    state_ = State::Open;

    struct stat existing {};
    int error = 0;
    if (::stat(target_.c_str(), &existing) != 0) {
        if (errno != ENOENT) return Fail(errno);
        StartReplacement(target_, nullptr, io_, temporary_, temporaryFd_, error);
        return error != 0 ? Fail(error) : std::nullopt;
    }
    if (S_ISDIR(existing.st_mode)) return Fail(EISDIR);
    if (!S_ISREG(existing.st_mode)) {
        Fail(EINVAL);
        failure_ = "Not a regular file";
        return failure_;
    }

    // Whoever may write the folder, only a user who may write the file replaces it.
    if ((error = io_.OpenExisting(target_.string(), targetFd_)) != 0) {
        targetFd_ = -1;
        return Fail(error);
    }
    // Other hard links must go on sharing the file's data.
    Replacement started = Replacement::NotPossible;
    if (existing.st_nlink <= 1) started = StartReplacement(target_, &existing, io_, temporary_, temporaryFd_, error);
    if (started == Replacement::Failed) return Fail(error);
    inPlace_ = started == Replacement::NotPossible;
    return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::Append(std::string_view bytes) {
    if (state_ != State::Open) return failure_ ? failure_ : Describe(EINVAL);
    if (inPlace_) {
        held_.append(bytes);
        return std::nullopt;
    }
    if (int error = WriteAll(io_, temporaryFd_, bytes)) return Fail(error);
    return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::Commit() {
    if (state_ != State::Open) return failure_ ? failure_ : Describe(EINVAL);
    int error = 0;
    if (inPlace_) {
        error = WriteInPlace(io_, targetFd_, held_);
        const int closeError = io_.Close(targetFd_);
        targetFd_ = -1;
        if (error == 0) error = closeError;
        if (error != 0) return Fail(error);
    } else {
        error = io_.Sync(temporaryFd_);
        const int closeError = io_.Close(temporaryFd_);
        temporaryFd_ = -1;
        if (error == 0) error = closeError;
        if (error == 0) error = io_.Rename(temporary_, target_.string());
        if (error != 0) {
            io_.Remove(temporary_);
            return Fail(error);
        }
        io_.SyncFolder(target_.parent_path().string());
        if (targetFd_ >= 0) io_.Close(targetFd_);
        targetFd_ = -1;
    }
    held_.clear();
    state_ = State::Done;
    return std::nullopt;
}

}  // namespace rillo
