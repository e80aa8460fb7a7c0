#include "cli/table_files.h"

#include <cerrno>
#include <cstring>

namespace rillo::cli {

namespace {

constexpr std::size_t kMaxStemBytes = 100;
// Give up after this many taken names for one stem.
constexpr std::size_t kMaxSuffix = 100000;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsUnsafe(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

bool IsTrimmed(char c) {
    return c == ' ' || c == '.';
}

}  // namespace

std::string SafeFileStem(std::string_view name, std::size_t row) {
    std::string stem;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        // C1 control characters are U+0080 to U+009F: C2 80 to C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F &&
            IsContinuationByte(name[i + 1])) {
            stem.push_back('_');
            ++i;
        } else {
            stem.push_back(IsUnsafe(c) ? '_' : static_cast<char>(c));
        }
    }
    std::size_t first = 0;
    while (first < stem.size() && IsTrimmed(stem[first])) ++first;
    stem.erase(0, first);
    if (stem.size() > kMaxStemBytes) {
        std::size_t cut = kMaxStemBytes;
        while (cut > 0 && IsContinuationByte(stem[cut])) --cut;
        stem.resize(cut);
    }
    while (!stem.empty() && IsTrimmed(stem.back())) stem.pop_back();
    return stem.empty() ? "row-" + std::to_string(row) : stem;
}

NewFileWriter::Written NewFileWriter::Write(const std::string& stem, std::string_view bytes) {
    std::size_t& suffix = nextSuffix_.try_emplace(stem, 1).first->second;
    for (; suffix <= kMaxSuffix; ++suffix) {
        const std::string name = stem + (suffix == 1 ? "" : "-" + std::to_string(suffix)) + ".flo";
        const std::string path = (folder_ / name).string();
        int fd = -1;
        int error = io_.CreateNew(path, fd);
        if (error == EEXIST) continue;
        if (error != 0) return {path, std::strerror(error)};
        ++suffix;
        std::string_view rest = bytes;
        while (error == 0 && !rest.empty()) {
            std::size_t written = 0;
            error = io_.Write(fd, rest.data(), rest.size(), written);
            if (error == EINTR) {
                error = 0;
            } else if (error == 0 && written == 0) {
                error = EIO;
            }
            rest.remove_prefix(error == 0 ? written : 0);
        }
        const int closeError = io_.Close(fd);
        if (error == 0) error = closeError;
        if (error != 0) {
            io_.Remove(path);
            return {path, std::strerror(error)};
        }
        return {path, ""};
    }
    return {(folder_ / (stem + ".flo")).string(), "too many files of this name in the folder"};
}

}  // namespace rillo::cli
