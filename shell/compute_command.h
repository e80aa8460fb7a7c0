#pragma once

namespace rillo {

class MDIMain;

// The Compute command: shows the views, checks the inputs in order (stopping
// at the first problem with its message and focus), empties the previous
// results and runs the profile computation of the current channel type,
// whose results land in the views.
void Compute(MDIMain& main);

}  // namespace rillo
