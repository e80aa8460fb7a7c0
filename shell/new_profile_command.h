#pragma once

namespace rillo {

class MDIMain;

// The New command: empties every input field, the results and the table,
// writes the headings afresh and starts the inputs again at station
// "0+00.000". Channel type, channel name, unit system and file path stay.
void NewProfile(MDIMain& main);

}  // namespace rillo
