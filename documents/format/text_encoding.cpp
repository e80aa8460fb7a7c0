#include "documents/format/text_encoding.h"

#include <array>
#include <cstdint>

namespace rillo {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        auto b = static_cast<std::uint8_t>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        std::uint8_t secondMin = 0x80, secondMax = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) secondMin = 0xA0;  // overlong
            if (b == 0xED) secondMax = 0x9F;  // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) secondMin = 0x90;  // overlong
            if (b == 0xF4) secondMax = 0x8F;  // past U+10FFFF
        } else {
            return false;
        }
        if (n - i < length) return false;
        auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        if (second < secondMin || second > secondMax) return false;
        for (std::size_t k = 2; k < length; ++k) {
            if (!IsContinuation(static_cast<std::uint8_t>(bytes[i + k]))) return false;
        }
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes) {
        auto b = static_cast<std::uint8_t>(c);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F) cp = kWindows1252High[b - 0x80];
        AppendUtf8(cp, out);
    }
    return out;
}

std::string DecodeProfileFileBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            bytes.remove_prefix(kByteOrderMark.size());
        return std::string(bytes);
    }
    return Windows1252ToUtf8(bytes);
}

}  // namespace rillo
