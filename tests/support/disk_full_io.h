#pragma once

#include <cerrno>

#include "documents/format/atomic_file_writer.h"

namespace rillo::testing {

// A disk that fills up half way through a file: the first write stores half
// of its bytes and fails with ENOSPC; every other call is the real one.
class DiskFullIo : public FileSystemIo {
   public:
    int CreateNew(const std::string& path, int& fd) override { return real_.CreateNew(path, fd); }
    int Write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        real_.Write(fd, data, size / 2, written);
        return ENOSPC;
    }
    int OpenExisting(const std::string& path, int& fd) override { return real_.OpenExisting(path, fd); }
    int Truncate(int fd, off_t size) override { return real_.Truncate(fd, size); }
    int SetMode(int fd, mode_t mode) override { return real_.SetMode(fd, mode); }
    int SetOwner(int fd, uid_t owner, gid_t group) override { return real_.SetOwner(fd, owner, group); }
    int Sync(int fd) override { return real_.Sync(fd); }
    int Close(int fd) override { return real_.Close(fd); }
    int Rename(const std::string& from, const std::string& to) override { return real_.Rename(from, to); }
    int Remove(const std::string& path) override { return real_.Remove(path); }
    void SyncFolder(const std::string& folder) override { real_.SyncFolder(folder); }

   private:
    FileSystemIo& real_ = SystemFileSystemIo();
};

}  // namespace rillo::testing
