#pragma once

#include <sys/types.h>

#include <string>

#include "cli/csv_reader.h"

namespace rillo::cli {

// A file, or standard input for "-", read in pieces. A folder is refused.
class InputFile final : public ByteSource {
   public:
    explicit InputFile(const std::string& path);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::size_t Read(char* data, std::size_t size) override;
    // Why the file cannot be opened or read; empty while it can.
    const std::string& error() const { return error_; }
    // A regular file can be read again from where it started; a pipe,
    // a terminal or a device cannot.
    bool CanReadAgain() const { return start_ >= 0; }
    // Starts again where the first read started; false when that cannot be.
    bool ReadAgain();

   private:
    int fd_ = -1;
    bool owned_ = false;
    off_t start_ = -1;
    std::string error_;
};

}  // namespace rillo::cli
