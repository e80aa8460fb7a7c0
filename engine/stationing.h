#pragma once

#include <string>
#include <string_view>

namespace rillo {

// A position along the channel in stationing notation: hundreds, "+", two
// whole digits and three decimals, such as "2+00.000" for 200 length units.
using StationText = std::string;

// The station text without its first "+" ("12+34.500" -> "1234.500"). A text
// without "+" is a run-time error (ComputationError).
std::string ParseStation(std::string_view station);

// Reads a station text as a number: ParseStation, then the whole remaining
// text must be a number, or it is a run-time error (ComputationError).
double StationValue(std::string_view station);

// A station written in stationing notation, and the value it stands for once
// rounded to three decimals (the profile computation carries that rounded value
// on as its running station).
struct FormattedStation {
    StationText text;
    double roundedValue = 0.0;
};

// Writes a number as a station: 5.25 -> "0+05.250", 1234.5 -> "12+34.500",
// -150 -> "-1+50.000". Values between -100 and 0 keep their sign in front,
// -5 -> "-0+05.000", so that they read back as written.
FormattedStation FormatStation(double value);

// Whether the text is a station in standard notation: an optional minus,
// digits, "+", two digits, and optionally a point with decimals ("10+05",
// "-1+50.000"). "10+5" is not: it would read as 105.
bool IsStandardStation(std::string_view station);

enum class StationProblem { None, StartNotInNotation, EndNotInNotation };

// Which of the two stations, the start first, is not in standard notation.
StationProblem CheckStationNotation(std::string_view start, std::string_view end);

// The result of ReachLength: the length of the reach, or which station is
// not in standard notation (the length is then 0).
struct ReachLengthResult {
    double length = 0.0;
    StationProblem problem = StationProblem::None;
};

// |end - start|, after checking that both stations carry a "+" (the start
// first). A station with a "+" that is not in standard notation is a run-time
// error (ComputationError); the input checks refuse it before, with the
// notation message (CheckStationNotation).
ReachLengthResult ReachLength(std::string_view start, std::string_view end);

// The message that asks for standard stationing notation, for the start or
// the end station; its lines are joined by carriage-return line-feed pairs.
std::string StationNotationMessage(StationProblem problem);

}  // namespace rillo
