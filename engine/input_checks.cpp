#include "engine/input_checks.h"

namespace rillo {

const char* const kInsufficientInputTitle = "Insufficient Input Data";
const char* const kInsufficientInputText =
    "You must enter all of the required inputs \r"
    "before Rillo can compute a water surface profile.";
const char* const kManningWarningTitle = "Manning's coefficient error";
const char* const kManningWarningText =
    "Manning's roughness coefficient is usually less than 0.15,\r"
    "which is used for a floodplain with trees.  A typical roughness\r"
    "coefficient is 0.014 for unfinished concrete.\r"
    "\r"
    "Do you still want Rillo to use the value you entered?";
const char* const kSlopeErrorTitle = "Slope Error";
const char* const kSlopeErrorText =
    "The bottom slope is used in the denominator of the profile calculations,"
    " so, it cannot be zero.\r\r"
    "You can use 0.000001 to closely approximate a horizontal bottom slope.";
const char* const kStationErrorTitle = "Station Error";
const char* const kStationOrderText = "The start station must be less than the end station.";

}  // namespace rillo
