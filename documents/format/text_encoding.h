#pragma once

#include <string>
#include <string_view>

namespace rillo {

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value.
std::string Windows1252ToUtf8(std::string_view bytes);

// The text of a profile file as UTF-8: files written as UTF-8 are taken as
// they are (a leading byte-order mark dropped); any other bytes are read as
// Windows-1252, the encoding of files from older versions.
std::string DecodeProfileFileBytes(std::string_view bytes);

}  // namespace rillo
