#pragma once

#include "documents/format/profile_document.h"

namespace rillo {

// Whether the document holds a profile worth saving, printing or plotting:
// the stations, flowrate, width or diameter, Manning's n, bottom slope and
// control depth are filled, and the table holds a computed first row.
bool ProfileIsComplete(const ProfileDocument& document);

}  // namespace rillo
