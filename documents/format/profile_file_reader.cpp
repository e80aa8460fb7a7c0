#include "documents/format/profile_file_reader.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

#include "documents/format/text_encoding.h"
#include "engine/blank_characters.h"
#include "engine/float_guard.h"
#include "engine/numeric_field_text.h"
#include "engine/numeric_text.h"
#include "engine/stationing.h"
#include "sections/channel_shapes.h"

namespace rillo {

namespace {

// Ends a read: thrown by the steps below, caught once in ReadProfileText.
struct Refusal {
    ProfileReadStatus status;
    std::string reason;
};

[[noreturn]] void CannotOpen(std::string reason) {
    throw Refusal{ProfileReadStatus::CannotOpen, std::move(reason)};
}

// Walks the lines of the decoded text one at a time, so that no junk input
// makes it hold more than the text itself. A line ends at a line feed; a
// carriage return before it belongs to the line end.
class LineCursor {
   public:
    explicit LineCursor(std::string_view text) : rest_(text), contentEnd_(text.data() + text.size()) {
        while (contentEnd_ != text.data() && IsBlank(contentEnd_[-1], Blanks::AndLineEnds)) --contentEnd_;
    }

    bool AtEnd() const { return rest_.empty(); }
    int LinesRead() const { return linesRead_; }
    // Whether nothing but blanks and line ends remains.
    bool OnlyBlanksRemain() const { return rest_.empty() || rest_.data() >= contentEnd_; }

    std::string_view Next(std::string_view what) {
        if (rest_.empty())
            CannotOpen("line " + std::to_string(linesRead_ + 1) + " (" + std::string(what) + ") is missing");
        std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++linesRead_;
        return line;
    }

   private:
    std::string_view rest_;
    const char* contentEnd_;  // just past the last character that is no blank or line end
    int linesRead_ = 0;
};

// Cuts the line into at most `count` tokens separated by runs of blanks; the
// rest of the line after the last token taken is left in `line`.
std::vector<std::string_view> TakeTokens(std::string_view& line, std::size_t count) {
    std::vector<std::string_view> tokens;
    while (tokens.size() < count) {
        while (!line.empty() && IsBlank(line.front(), Blanks::SpacesAndTabs)) line.remove_prefix(1);
        if (line.empty()) break;
        std::size_t end = 0;
        while (end < line.size() && !IsBlank(line[end], Blanks::SpacesAndTabs)) ++end;
        tokens.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return tokens;
}

std::string Quoted(std::string_view token) {
    constexpr std::size_t kShown = 40;
    std::string shown(token.substr(0, kShown));
    if (token.size() > kShown) shown += "...";
    return "\"" + shown + "\"";
}

// The token read as a number; nothing when it is not one. A number past the
// single-precision range, which the program's values are, refuses the file.
std::optional<double> NumberInRange(std::string_view token) {
    try {
        std::optional<double> value = ParseWholeNumber(token);
        if (value) ToSingle(*value);
        if (value && *value == 0.0) value = 0.0;  // no "-0.000"
        return value;
    } catch (const ComputationError&) {
        CannotOpen("the number " + Quoted(token) + " is out of range");
    }
}

double RequireNumber(std::string_view token, int lineNumber) {
    std::optional<double> value = NumberInRange(token);
    if (!value) CannotOpen("line " + std::to_string(lineNumber) + ": " + Quoted(token) + " is not a number");
    return *value;
}

// Line 5: reach length, Q, D, n, S0, control depth and, for the shapes with a
// side field, the side value. Returns the reach length.
float ReadInputsLine(std::string_view line, int lineNumber, ProfileDocument& d) {
    const bool side = UsesSideInput(d.channelType);
    const std::size_t count = side ? 7 : 6;
    std::vector<std::string_view> tokens = TakeTokens(line, count);
    if (tokens.size() < count) {
        CannotOpen("line " + std::to_string(lineNumber) + " holds " + std::to_string(tokens.size()) +
                   " numbers instead of " + std::to_string(count));
    }
    // The inputs are stored as they were typed, numbers still being typed
    // ("100E", ".", "-") included; each is read as Compute reads its field.
    std::vector<float> values;
    for (std::string_view token : tokens) {
        if (!IsAcceptableNumericText(token))
            CannotOpen("line " + std::to_string(lineNumber) + ": " + Quoted(token) + " is not a number");
        try {
            float value = ReadLeadingSingle(token);
            values.push_back(value == 0.0f ? 0.0f : value);
        } catch (const ComputationError&) {
            CannotOpen("the number " + Quoted(token) + " is out of range");
        }
    }
    d.flowrate = ShortestNumber(values[1]);
    d.widthOrDiameter = ShortestNumber(values[2]);
    d.manningN = ShortestNumber(values[3]);
    d.bottomSlope = ShortestNumber(values[4]);
    d.controlDepth = side ? ShortestNumber(values[5]) : FormatFixed3(values[5]);
    if (side) d.sideSlopeOrHeight = ShortestNumber(values[6]);
    return values[0];
}

// Line 7: four summary numbers ("----" or zero stand for none), then the flow type.
void ReadSummaryLine(std::string_view line, int lineNumber, ProfileSummary& s) {
    std::vector<std::string_view> tokens = TakeTokens(line, 4);
    if (tokens.size() < 4) CannotOpen("line " + std::to_string(lineNumber) + " lacks a summary value");
    std::string* labels[] = {&s.normalDepth, &s.normalArea, &s.criticalDepth, &s.criticalArea};
    for (std::size_t i = 0; i < 4; ++i) {
        if (tokens[i] == "----") {
            *labels[i] = "----";
            continue;
        }
        double value = RequireNumber(tokens[i], lineNumber);
        *labels[i] = value == 0.0 ? "----" : FormatFixed3(value);
    }
    while (!line.empty() && IsBlank(line.front(), Blanks::SpacesAndTabs)) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back(), Blanks::SpacesAndTabs)) line.remove_suffix(1);
    // Older versions named the direction of the computation.
    if (line == "downstream") {
        s.flowType = "subcritical";
    } else if (line == "upstream") {
        s.flowType = "supercritical";
    } else {
        s.flowType = std::string(line);
    }
}

// A data row: a station and six numbers. A cell that is no number (NaN,
// infinity or hexadecimal texts included) or a row cut short is refused, so
// that no such text reaches the views or a plot.
ProfileRow ReadTableRow(std::string_view line, int lineNumber) {
    std::vector<std::string_view> tokens = TakeTokens(line, kFroudeColumn);
    if (tokens.size() < kFroudeColumn) {
        CannotOpen("line " + std::to_string(lineNumber) + " holds " + std::to_string(tokens.size()) +
                   " values instead of " + std::to_string(kFroudeColumn));
    }
    ProfileRow row;
    for (std::size_t c = 0; c < tokens.size(); ++c) {
        std::string_view token = tokens[c];
        if (c == kStationColumn && token.find('+') != std::string_view::npos) {
            // A station text keeps its form, once it reads as a station.
            try {
                StationValue(token);
            } catch (const ComputationError&) {
                CannotOpen("line " + std::to_string(lineNumber) + ": " + Quoted(token) + " is not a station");
            }
            row.cells[c] = std::string(token);
        } else if (c == kStationColumn) {
            // Older files stored plain station numbers.
            row.cells[c] = FormatStation(RequireNumber(token, lineNumber)).text;
        } else {
            row.cells[c] = FormatFixed3(RequireNumber(token, lineNumber));
        }
    }
    return row;
}

// The file keeps no station fields: the control row comes first, at the end
// station for subcritical flow and at the start station otherwise, and the
// last row is the far end of the reach. A profile that stopped short of the
// far end (its depth range used up) puts the far end one reach length from
// the control station instead.
void RestoreStations(ProfileDocument& d, float reachLength) {
    std::size_t rows = 0;
    while (rows < d.table.size() && !d.table[rows].cells[kStationColumn].empty()) ++rows;
    if (rows == 0) return;
    const std::string control = d.table.front().cells[kStationColumn];
    std::string far = d.table[rows - 1].cells[kStationColumn];
    const bool upstream = d.summary.flowType == "subcritical";
    try {
        double controlValue = StationValue(control);
        double lastValue = StationValue(far);
        double length = reachLength;
        double tolerance = 0.0015 + length * 1e-6;
        if (length - std::fabs(lastValue - controlValue) > tolerance) {
            double farValue =
                std::round((upstream ? controlValue - length : controlValue + length) * 1000.0) / 1000.0;
            far = FormatStation(farValue == 0.0 ? 0.0 : farValue).text;
        }
    } catch (const ComputationError&) {
        // A station that is not a number: the rows' texts stand as they are.
    }
    if (upstream) {
        d.startStation = far;
        d.endStation = control;
    } else {
        d.startStation = control;
        d.endStation = far;
    }
}

ProfileDocument ReadDocument(std::string_view text) {
    ProfileDocument d;
    LineCursor lines(text);

    std::string_view header = lines.Next("channel type");
    while (!header.empty() && header.front() == ' ') header.remove_prefix(1);
    const ChannelShape* shape = ShapeWithHeading(header);
    if (!shape) throw Refusal{ProfileReadStatus::UnknownChannelType, "line 1 names no channel type"};
    d.channelType = shape->type;
    d.unitSystem = lines.Next("unit system") == "English Units" ? UnitSystem::English : UnitSystem::SI;
    d.channelName = std::string(lines.Next("channel name"));
    lines.Next("input headings");
    // Each line is taken before its number is asked for: in one call's
    // arguments the two would be evaluated in an unspecified order.
    const std::string_view inputs = lines.Next("inputs");
    float reachLength = ReadInputsLine(inputs, lines.LinesRead(), d);
    lines.Next("summary headings");
    const std::string_view summary = lines.Next("summary");
    ReadSummaryLine(summary, lines.LinesRead(), d.summary);
    lines.Next("empty line");
    lines.Next("table headings");

    while (!lines.AtEnd() && !lines.OnlyBlanksRemain()) {
        if (d.table.size() == kProfileTableCapacity) {
            CannotOpen("more data rows than the table's " + std::to_string(kProfileTableCapacity));
        }
        std::string_view line = lines.Next("table row");
        d.table.push_back(ReadTableRow(line, lines.LinesRead()));
    }
    RestoreStations(d, reachLength);
    return d;
}

}  // namespace

ProfileReadResult ReadProfileText(std::string_view bytes) {
    if (bytes.size() > kMaxProfileFileBytes)
        return {ProfileReadStatus::CannotOpen, {}, "the file is too large"};
    try {
        return {ProfileReadStatus::Read, ReadDocument(DecodeProfileFileBytes(bytes)), {}};
    } catch (const Refusal& refusal) {
        return {refusal.status, {}, refusal.reason};
    } catch (const ComputationError& e) {
        return {ProfileReadStatus::CannotOpen, {}, e.what()};
    }
}

ProfileReadResult ReadProfileFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return {ProfileReadStatus::CannotOpen, {}, "the file does not exist"};
    if (!std::filesystem::is_regular_file(status)) {
        return {ProfileReadStatus::CannotOpen, {}, "not a regular file"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return {ProfileReadStatus::CannotOpen, {}, "the file cannot be read"};
    // Reading stops one chunk past the limit, which is enough to tell a file that is too large.
    std::string bytes;
    std::vector<char> chunk(1u << 16);
    while (in && bytes.size() <= kMaxProfileFileBytes) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {ProfileReadStatus::CannotOpen, {}, "the file cannot be read"};
    return ReadProfileText(bytes);
}

OpenRefusal OpenRefusalOf(ProfileReadStatus status) {
    if (status == ProfileReadStatus::UnknownChannelType) {
        return {"File Open Error", "Unknown channel type. Cannot open file."};
    }
    return {"", "File cannot be opened."};
}

}  // namespace rillo
