#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "documents/format/atomic_file_writer.h"

namespace rillo::cli {

// A file name stem made from a case's name: characters that could leave the
// folder or trouble a file system ("/", "\", control characters, ":*?\"<>|")
// become "_", blanks and dots at either end go (so no "." or ".." and no
// hidden file), and the stem is cut to at most 100 bytes on a character
// boundary. A name with nothing left gives "row-" and the row number.
std::string SafeFileStem(std::string_view name, std::size_t row);

// Writes new files into one folder, never replacing a file that is there:
// "stem.flo", or "stem-2.flo", "stem-3.flo", ... when that name is taken.
class NewFileWriter {
   public:
    explicit NewFileWriter(std::filesystem::path folder, FileSystemIo& io = SystemFileSystemIo())
        : folder_(std::move(folder)), io_(io) {}

    struct Written {
        std::string path;   // the file written
        std::string error;  // empty on success; otherwise nothing is left behind
    };

    // Creates the file (it must not exist), writes every byte and closes it;
    // a failed write or close removes the file again.
    Written Write(const std::string& stem, std::string_view bytes);

   private:
    std::filesystem::path folder_;
    FileSystemIo& io_;
    // The suffix to try next for a stem, so that many cases of one name take
    // their numbers without trying every taken one again.
    std::map<std::string, std::size_t> nextSuffix_;
};

}  // namespace rillo::cli
