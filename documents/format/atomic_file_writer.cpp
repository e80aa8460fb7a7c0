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
    int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        ssize_t n = ::write(fd, data, size);
        written = n > 0 ? static_cast<std::size_t>(n) : 0;
        return n < 0 ? errno : 0;
    }
    int SetMode(int fd, mode_t mode) override { return ::fchmod(fd, mode) < 0 ? errno : 0; }
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

std::string TemporaryName(const std::filesystem::path& target) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix.push_back(kLetters[random() % (sizeof kLetters - 1)]);
    return (target.parent_path() / ("." + target.filename().string() + "." + suffix + ".tmp")).string();
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

}  // namespace

FileSystemIo& SystemFileSystemIo() {
    static PosixFileSystemIo io;
    return io;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                                               FileSystemIo& io) {
    const std::filesystem::path target = ResolveLink(std::filesystem::absolute(requested));

    std::string temporary;
    int fd = -1;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary = TemporaryName(target);
        error = io.CreateNew(temporary, fd);
    }
    if (error != 0) return Describe(error);

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        error = io.SetMode(fd, existing.st_mode & 07777);
    }
    if (error == 0) error = WriteAll(io, fd, bytes);
    if (error == 0) error = io.Sync(fd);
    int closeError = io.Close(fd);
    if (error == 0) error = closeError;
    if (error == 0) error = io.Rename(temporary, target.string());
    if (error != 0) {
        io.Remove(temporary);
        return Describe(error);
    }
    io.SyncFolder(target.parent_path().string());
    return std::nullopt;
}

}  // namespace rillo
