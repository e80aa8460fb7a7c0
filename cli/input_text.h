#pragma once

#include <cstddef>
#include <string>

namespace rillo::cli {

struct InputText {
    std::string text;
    std::string error;  // empty when the whole input was read
};

// Reads a whole file, or standard input for "-", up to `maxBytes`. A folder
// is refused. Reading stops early at a chunk that holds a NUL byte, so that a
// device that never ends (/dev/zero) is seen as the binary input it is; the
// text read so far, NUL included, is returned for the reader to refuse.
InputText ReadInputText(const std::string& path, std::size_t maxBytes);

}  // namespace rillo::cli
