#include "cli/profile_file_output.h"

#include "cli/profile_printer.h"
#include "documents/format/computed_document.h"
#include "documents/format/profile_completeness.h"
#include "documents/format/profile_file_writer.h"
#include "engine/float_guard.h"

namespace rillo::cli {

int PrintProfileFile(const ProfileOptions& o, const ProfileResult& result, std::ostream& out,
                     std::ostream& err) {
    const ChannelType shape = ShapeFromName(o.shape);
    std::string name = o.name.empty() ? std::string(ShapeOf(shape).displayName) : o.name;
    ProfileDocument document =
        ComputedDocument(o.texts, shape, UnitsFromName(o.units), std::move(name), result);
    if (!ProfileIsComplete(document)) {
        if (!result.ok()) {
            err << FailureLine(*result.failure) << "\n";
            err << "No profile was computed, so there is no file to write.\n";
            return kExitComputationFailed;
        }
        // The program refuses to save a profile whose width field is blank
        // (a triangle); a file must hold every input.
        err << OptionName(InputField::WidthOrDiameter)
            << ": Saving Error: You must enter all of the required inputs and calculate a profile "
               "before saving. Give 0 for a triangular channel.\n";
        return kExitUsage;
    }
    try {
        out << ProfileFileText(document);
    } catch (const ComputationError& e) {
        err << StationsOption() << ": a station is not a number in stationing notation (" << e.what()
            << ").\n";
        return kExitUsage;
    }
    if (!result.ok()) {
        err << FailureLine(*result.failure) << "\n";
        return kExitComputationFailed;
    }
    return kExitOk;
}

}  // namespace rillo::cli
