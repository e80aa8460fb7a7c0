#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "documents/format/profile_document.h"

namespace rillo {

enum class ProfileReadStatus {
    Read,                // the document holds the file's texts
    UnknownChannelType,  // line 1 names no channel type: "Unknown channel type. Cannot open file."
    CannotOpen,          // anything else: "File cannot be opened."
};

// What reading a profile file gave. On any failure the document is empty
// (default-constructed) and `reason` says in a few words what was wrong.
struct ProfileReadResult {
    ProfileReadStatus status = ProfileReadStatus::CannotOpen;
    ProfileDocument document;
    std::string reason;

    bool ok() const { return status == ProfileReadStatus::Read; }
};

// Data rows the profile table can hold (grid rows 2 to 99).
inline constexpr std::size_t kProfileTableCapacity = 98;

// A profile file is a few kilobytes; anything past this is not one, and
// refusing it keeps a wrong choice in the open dialog from filling the memory.
inline constexpr std::size_t kMaxProfileFileBytes = 4u << 20;

// Reads the bytes of a profile file (UTF-8, or Windows-1252 from older
// versions; CRLF or LF line ends) into the document texts: the channel type,
// the unit system, the channel name, the inputs, the summary and the first
// seven table columns. Stations without "+" from older files come back in
// stationing notation, "downstream"/"upstream" as "subcritical"/"supercritical".
// The start and end stations are restored from the table by the flow
// direction; the profile type is not stored and stays empty.
ProfileReadResult ReadProfileText(std::string_view bytes);

// Reads the file at `path` as above; a missing, unreadable or non-regular
// file, or one larger than kMaxProfileFileBytes, is CannotOpen.
ProfileReadResult ReadProfileFile(const std::filesystem::path& path);

// How File, Open and the headless export refuse a file that was not read:
// the message's title (empty: the application's) and its text.
struct OpenRefusal {
    std::string title;
    std::string text;
};
OpenRefusal OpenRefusalOf(ProfileReadStatus status);

}  // namespace rillo
