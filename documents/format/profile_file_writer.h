#pragma once

#include <string>
#include <vector>

#include "documents/format/profile_document.h"

namespace rillo {

// The lines of the profile file of a document, without line ends: the channel
// type, the unit system, the channel name, the inputs, the summary and the
// first seven table columns, each text as the views hold it. The table ends at
// the first row whose station is empty. The reach length is written in its
// shortest form, 0 when a station lacks its "+". A station that has its "+"
// but is no number is a run-time error (ComputationError).
std::vector<std::string> ProfileFileLines(const ProfileDocument& document);

// The reach length as the file and the report write it: the distance between
// the start and end stations in its shortest form, 0 when a station lacks its
// "+". A station that has its "+" but is no number is a ComputationError.
std::string ReachLengthText(const ProfileDocument& document);

// The whole file: every line ended by a carriage return and a line feed.
std::string ProfileFileText(const ProfileDocument& document);

}  // namespace rillo
