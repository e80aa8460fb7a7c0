#pragma once

#include <string>

#include "documents/format/profile_document.h"
#include "engine/input_checks.h"
#include "engine/profile_records.h"

namespace rillo {

// The document as the views hold it after Compute: the inputs as typed, the
// control depth the computation used written back, a side field that read 0
// showing "0", and the summary and table the computation wrote.
ProfileDocument ComputedDocument(const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
                                 std::string channelName, const ProfileResult& result);

}  // namespace rillo
