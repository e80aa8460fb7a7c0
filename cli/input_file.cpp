#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rillo::cli {

InputFile::InputFile(const std::string& path) {
    if (path == "-") {
        fd_ = STDIN_FILENO;
    } else {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            error_ = std::strerror(errno);
            return;
        }
        owned_ = true;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error_ = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        error_ = "a folder, not a file";
    } else if (S_ISREG(info.st_mode)) {
        start_ = ::lseek(fd_, 0, SEEK_CUR);
    }
}

InputFile::~InputFile() {
    if (owned_) ::close(fd_);
}

std::size_t InputFile::Read(char* data, std::size_t size) {
    if (!error_.empty()) return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, data, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) {
            error_ = std::strerror(errno);
            return 0;
        }
    }
}

bool InputFile::ReadAgain() {
    if (!error_.empty() || start_ < 0) return false;
    if (::lseek(fd_, start_, SEEK_SET) == start_) return true;
    error_ = std::strerror(errno);
    return false;
}

}  // namespace rillo::cli
