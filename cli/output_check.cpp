#include "cli/output_check.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ostream>

#include "cli/cli_app.h"

namespace rillo::cli {

namespace {

constexpr std::size_t kBufferSize = 1u << 16;

}  // namespace

FileDescriptorOutput::FileDescriptorOutput(int fd) : fd_(fd), buffer_(kBufferSize) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FileDescriptorOutput::~FileDescriptorOutput() {
    Drain();
}

bool FileDescriptorOutput::Drain() {
    const char* data = pbase();
    std::size_t size = static_cast<std::size_t>(pptr() - pbase());
    while (size > 0 && error_ == 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error_ = errno;
        } else if (n == 0) {
            error_ = EIO;
        } else {
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

FileDescriptorOutput::int_type FileDescriptorOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FileDescriptorOutput::sync() {
    return Drain() ? 0 : -1;
}

int RunCliWithOutputTo(int outputFd, const std::vector<std::string>& args, std::ostream& err) {
    // A reader that went away shows as a failed write (EPIPE) instead.
    std::signal(SIGPIPE, SIG_IGN);
    FileDescriptorOutput buffer(outputFd);
    std::ostream out(&buffer);
    const int status = RunCli(args, out, err);
    out.flush();
    if (buffer.Error() != 0) {
        err << "rillo-cli: cannot write the output: " << std::strerror(buffer.Error()) << "\n";
        return kExitOutputFailed;
    }
    return status;
}

}  // namespace rillo::cli
