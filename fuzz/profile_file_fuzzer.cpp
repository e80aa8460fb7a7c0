// Feeds arbitrary bytes to the profile-file reader. Besides crashes, hangs and
// the sanitizers' findings, it stops on a broken promise of the reader: a
// refused file must leave an empty document, a read one must fit the table
// and hold UTF-8 only, and saving what was read must open again to the same
// texts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "documents/format/profile_file_reader.h"
#include "documents/format/profile_file_writer.h"
#include "documents/format/text_encoding.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace {

using namespace rillo;

void Require(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

std::size_t RowsUpToEmptyStation(const ProfileTable& table) {
    std::size_t n = 0;
    while (n < table.size() && !table[n].cells[kStationColumn].empty()) ++n;
    return n;
}

// A summary value that rounds to zero ("0.000") opens as "----": files mark a
// missing value either way.
std::string AsOpened(const std::string& value) {
    std::optional<double> number = ParseWholeNumber(value);
    return number && *number == 0.0 ? "----" : value;
}

bool SameSummary(const ProfileSummary& a, const ProfileSummary& b) {
    return AsOpened(a.normalDepth) == b.normalDepth && AsOpened(a.normalArea) == b.normalArea &&
           AsOpened(a.criticalDepth) == b.criticalDepth && AsOpened(a.criticalArea) == b.criticalArea &&
           a.flowType == b.flowType && a.profileType == b.profileType;
}

bool SameInputs(const ProfileDocument& a, const ProfileDocument& b) {
    return a.channelType == b.channelType && a.unitSystem == b.unitSystem && a.channelName == b.channelName &&
           a.flowrate == b.flowrate && a.widthOrDiameter == b.widthOrDiameter && a.manningN == b.manningN &&
           a.bottomSlope == b.bottomSlope && a.controlDepth == b.controlDepth &&
           a.sideSlopeOrHeight == b.sideSlopeOrHeight;
}

bool SameTable(const ProfileTable& a, const ProfileTable& b) {
    std::size_t rows = RowsUpToEmptyStation(a);
    if (RowsUpToEmptyStation(b) != rows) return false;
    for (std::size_t i = 0; i < rows; ++i) {
        if (a[i].cells != b[i].cells) return false;
    }
    return true;
}

bool AllUtf8(const ProfileDocument& d) {
    for (const std::string* text : {&d.channelName, &d.startStation, &d.endStation, &d.flowrate,
                                    &d.widthOrDiameter, &d.manningN, &d.bottomSlope, &d.controlDepth,
                                    &d.sideSlopeOrHeight, &d.summary.flowType}) {
        if (!IsValidUtf8(*text)) return false;
    }
    for (const ProfileRow& row : d.table) {
        for (const std::string& cell : row.cells) {
            if (!IsValidUtf8(cell)) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProfileReadResult read = ReadProfileText(bytes);
    if (!read.ok()) {
        const ProfileDocument empty;
        Require(read.document.table.empty() && read.document.flowrate.empty() &&
                    read.document.channelName == empty.channelName && read.document.startStation.empty(),
                "a refused file leaves an empty document");
        return 0;
    }
    Require(read.document.table.size() <= kProfileTableCapacity, "the table holds at most 98 rows");
    Require(AllUtf8(read.document), "every text is UTF-8");

    std::string saved;
    try {
        saved = ProfileFileText(read.document);
    } catch (const ComputationError&) {
        return 0;  // a station that is no number: Save reports it and writes nothing
    }
    const ProfileReadResult reopened = ReadProfileText(saved);
    Require(reopened.ok(), "a saved file opens again");
    Require(SameInputs(read.document, reopened.document), "reopening gives back the inputs");
    Require(SameSummary(read.document.summary, reopened.document.summary), "reopening gives back the summary");
    Require(SameTable(read.document.table, reopened.document.table), "reopening gives back the table");
    return 0;
}
