#pragma once

#include <ostream>

#include "cli/profile_command.h"
#include "engine/profile_records.h"

namespace rillo::cli {

// Writes the profile file the program's Save would write for these inputs and
// this result, so that a scripted design opens in the program. A computation
// that produced no row has nothing to save: a message and exit status 1. One
// that failed part way writes what it computed, reports the failure and exits
// 1. A blank width, which the program's Save refuses too, exits 2.
int PrintProfileFile(const ProfileOptions& options, const ProfileResult& result, std::ostream& out,
                     std::ostream& err);

}  // namespace rillo::cli
