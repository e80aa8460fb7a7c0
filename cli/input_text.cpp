#include "cli/input_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rillo::cli {

namespace {

InputText ReadAll(int fd, std::size_t maxBytes) {
    InputText input;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            input.error = std::strerror(errno);
            return input;
        }
        if (n == 0) return input;
        const auto size = static_cast<std::size_t>(n);
        if (input.text.size() + size > maxBytes) {
            input.error = "larger than " + std::to_string(maxBytes >> 20) + " MiB";
            return input;
        }
        input.text.append(chunk, size);
        if (std::memchr(chunk, '\0', size) != nullptr) return input;
    }
}

}  // namespace

InputText ReadInputText(const std::string& path, std::size_t maxBytes) {
    if (path == "-") return ReadAll(STDIN_FILENO, maxBytes);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {"", std::strerror(errno)};
    struct stat info {};
    InputText input;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        input.error = "a folder, not a file";
    } else {
        input = ReadAll(fd, maxBytes);
    }
    ::close(fd);
    return input;
}

}  // namespace rillo::cli
