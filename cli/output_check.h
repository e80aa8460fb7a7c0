#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace rillo::cli {

// A stream buffer that writes to a file descriptor and keeps the first error
// of its writes (an errno value), so that a full disk, a closed output or a
// broken pipe is seen instead of being taken for success. After an error the
// rest of the output is dropped.
class FileDescriptorOutput : public std::streambuf {
   public:
    explicit FileDescriptorOutput(int fd);
    ~FileDescriptorOutput() override;
    FileDescriptorOutput(const FileDescriptorOutput&) = delete;
    FileDescriptorOutput& operator=(const FileDescriptorOutput&) = delete;

    // 0 while every write has succeeded.
    int Error() const { return error_; }

   protected:
    int_type overflow(int_type c) override;
    int sync() override;

   private:
    bool Drain();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// Exit status of a run whose output could not be written.
inline constexpr int kExitOutputFailed = 1;

// Runs the command-line front end on `args` with its output written to the
// file descriptor `outputFd` and its messages to `err`. Every subcommand's
// output passes through here: when it cannot be written in full, the run
// says so on `err` ("rillo-cli: cannot write the output: No space left on
// device") and ends with kExitOutputFailed. A broken pipe is such a failure
// too, not a signal that ends the process.
int RunCliWithOutputTo(int outputFd, const std::vector<std::string>& args, std::ostream& err);

}  // namespace rillo::cli
