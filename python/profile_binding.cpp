#include "python/profile_binding.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>

#include "cli/profile_command.h"
#include "cli/profile_file_output.h"
#include "cli/profile_printer.h"
#include "documents/format/atomic_file_writer.h"
#include "documents/format/computed_document.h"
#include "documents/format/profile_file_reader.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/product_version.h"
#include "engine/profile_fields.h"
#include "engine/stationing.h"
#include "python/argument_text.h"
#include "python/errors.h"

namespace py = pybind11;

namespace rillo::python {

namespace {

// The keys of a table row, in the order of its columns.
constexpr std::array<const char*, kProfileColumnCount> kRowKeys = {
    "station",          "depth",    "energy", "area",          "velocity",
    "top_width",        "momentum", "froude", "velocity_head", "hydraulic_radius",
    "wetted_perimeter",
};

// A computed or opened profile: the options it was computed with (the inputs
// as typed) and what the computation wrote.
struct Profile {
    cli::ProfileOptions options;
    ProfileResult result;

    ProfileDocument Document() const {
        const ChannelType shape = cli::ShapeFromName(options.shape);
        std::string name = options.name.empty() ? std::string(ShapeOf(shape).displayName) : options.name;
        return ComputedDocument(options.texts, shape, cli::UnitsFromName(options.units), std::move(name),
                                result);
    }

    std::string Printed(cli::OutputFormat format) const {
        std::ostringstream out;
        cli::PrintReport(cli::ReportOf(options, result), format, out);
        return out.str();
    }

    // The summary lines alone, without copying the table to print it.
    std::string PrintedSummary() const {
        const ProfileResult summaryOnly{result.summary, result.controlDepthText, {}, {}, result.earlyEndNote};
        std::ostringstream out;
        cli::PrintReport(cli::ReportOf(options, summaryOnly), cli::OutputFormat::Tsv, out);
        return out.str();
    }
};

// The tsv lines of the summary, up to the empty line before the table.
py::dict SummaryOf(const Profile& profile) {
    py::dict summary;
    std::istringstream lines(profile.PrintedSummary());
    std::string line;
    while (std::getline(lines, line) && !line.empty()) {
        const std::size_t tab = line.find('\t');
        summary[py::str(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return summary;
}

// A cell's number; None for a cell the computation did not write.
py::object CellValue(const std::string& text, bool station) {
    try {
        if (station)
            return text.empty() ? py::object(py::none()) : py::object(py::float_(StationValue(text)));
        if (std::optional<double> value = ParseWholeNumber(text)) return py::float_(*value);
    } catch (const ComputationError&) {
    }
    return py::none();
}

}  // namespace

py::list RowsOfTable(const ProfileTable& table) {
    py::list rows;
    for (const ProfileRow& row : table) {
        py::dict values;
        for (std::size_t c = 0; c < kRowKeys.size(); ++c)
            values[kRowKeys[c]] = CellValue(row.cells[c], c == 0);
        values["station_text"] = row.cells[kStationColumn];
        rows.append(values);
    }
    return rows;
}

namespace {

py::list RowsOf(const Profile& profile) {
    return RowsOfTable(profile.result.table);
}

py::dict TextsOf(const Profile& profile) {
    const ProfileDocument d = profile.Document();
    py::dict inputs;
    for (const ProfileField& field : FormFieldsOf(InputField{})) inputs[field.column] = d.*field.text;
    py::list table;
    for (const ProfileRow& row : d.table) table.append(py::tuple(py::cast(row.cells)));
    py::dict texts;
    texts["name"] = d.channelName;
    texts["shape"] = profile.options.shape;
    texts["units"] = profile.options.units;
    texts["inputs"] = inputs;
    texts["summary"] = SummaryOf(profile);
    texts["table"] = table;
    return texts;
}

// A path as Python's own file functions take it: a str, bytes or os.PathLike.
std::string PathText(const py::object& path) {
    const std::string text = py::module_::import("os").attr("fspath")(path).cast<std::string>();
    if (text.find('\0') != std::string::npos) throw py::value_error("embedded null byte");
    return text;
}

// The file Save writes, through the same checks as `rillo-cli profile
// --format flo`, replacing `path` in one step.
void WriteFlo(const Profile& profile, const py::object& pathObject) {
    const std::string path = PathText(pathObject);
    std::ostringstream bytes, messages;
    const int status = cli::PrintProfileFile(profile.options, profile.result, bytes, messages);
    if (status == cli::kExitUsage || bytes.str().empty()) {
        // Nothing to write: the last line says why ("--width: Saving Error: ...").
        std::string message = messages.str();
        while (!message.empty() && message.back() == '\n') message.pop_back();
        RaiseMessageLine(message.substr(message.rfind('\n') + 1), false);
    }
    py::gil_scoped_release unlocked;
    if (std::optional<std::string> failure = WriteFileAtomically(path, bytes.str())) {
        py::gil_scoped_acquire locked;
        PyErr_SetObject(PyExc_OSError, py::str(path + ": " + *failure).ptr());
        throw py::error_already_set();
    }
}

Profile ComputeProfile(const std::string& shape, const std::string& units, py::object start, py::object end,
                       py::object flow, py::object width, py::object n, py::object slope, py::object side,
                       py::object control, py::object name) {
    Profile profile;
    cli::ProfileOptions& o = profile.options;
    o.shape = LowerWord(shape);
    o.units = LowerWord(units);
    if (!ShapeWithWord(o.shape))
        RaiseInputError("Input Error", "the shape is " + ShapeWordList() + ", not \"" + shape + "\".",
                        "shape");
    if (!cli::IsUnitsName(o.units))
        RaiseInputError("Input Error", "the units are english or si, not \"" + units + "\".", "units");
    const std::array<py::handle, kProfileOptionOrder.size()> given = {start, end,   flow, width,
                                                                      n,     slope, side, control};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const ProfileField& field = FieldOf(kProfileOptionOrder[i]);
        o.texts.*field.text = ArgumentText(given[i], field.column);
    }
    if (!name.is_none()) o.name = py::str(name).cast<std::string>();

    cli::ProfileOutcome outcome;
    {
        py::gil_scoped_release unlocked;
        outcome = cli::CheckAndComputeProfile(o);
    }
    if (!outcome.warning.empty()) WarnRoughness(outcome.warning);
    if (outcome.status == cli::kExitUsage) {
        const std::string field =
            outcome.refusedField ? KeywordOfOption(cli::OptionName(*outcome.refusedField)) : std::string();
        RaiseInputError(outcome.refusalTitle, outcome.refusalText, field);
    }
    profile.result = std::move(outcome.result);
    if (const std::optional<ProfileFailure>& failure = profile.result.failure) {
        py::object partial = profile.result.table.empty() ? py::object(py::none()) : py::cast(profile);
        RaiseComputationError(failure->title, cli::OneLine(failure->text), partial);
    }
    return profile;
}

Profile OpenProfile(const py::object& pathObject) {
    const std::string path = PathText(pathObject);
    ProfileReadResult read;
    {
        py::gil_scoped_release unlocked;
        read = ReadProfileFile(path);
    }
    if (!read.ok()) {
        // The titles and texts of File, Open's messages, with the reason after them.
        const bool unknownType = read.status == ProfileReadStatus::UnknownChannelType;
        const std::string title = unknownType ? "File Open Error" : std::string(kProductTitle);
        const char* text = unknownType ? "Unknown channel type. Cannot open file." : "File cannot be opened.";
        RaiseInputError(title, std::string(text) + " (" + read.reason + ")", "path");
    }
    const ProfileDocument& d = read.document;
    Profile profile;
    profile.options.shape = ShapeOf(d.channelType).word;
    profile.options.units = cli::UnitsName(d.unitSystem);
    profile.options.texts = d;
    profile.options.name = d.channelName;
    profile.result.summary = d.summary;
    profile.result.controlDepthText = d.controlDepth;
    profile.result.table = d.table;
    return profile;
}

// The profile function's help, in three pieces around the names it takes from
// the fields' and the shapes' tables.
constexpr const char* kProfileDocHead =
    R"(Compute a steady water-surface profile of a reach, as `rillo-cli profile` does.

Every argument is a number or a text, as typed after the command line's
option of the same name ()";
// Between the head and the body: the options named as examples, then the shapes' words.
constexpr const char* kProfileDocBody = R"(, ...); a text goes through the same
checks as the command line's and the program's fields, and a number is taken
as its shortest text (0.013 as "0.013"). None leaves an option out.

)";
constexpr const char* kProfileDocTail = R"(
units    english (ft, ft^3/s) or si (m, m^3/s)
start    start (upstream) station in stationing notation, "0+00.000"
end      end (downstream) station, "10+00.000"
flow     flowrate Q
width    bottom width (trapezoidal; 0 or None for a triangle) or diameter
n        Manning's roughness coefficient; 0.15 or more warns
         (rillo.RoughnessWarning) and is used as given
slope    bottom slope S0, length per length (may be negative)
side     side slope z (trapezoidal) or side height (elongated)
control  control depth; None: the critical depth
name     channel name; None: the shape's name

Returns a rillo.Profile. Raises rillo.InputError for an input the program
refuses (nothing computed) and rillo.ComputationError for a computation that
failed (.profile holds the rows computed before the failure, if any).
The interpreter lock is released while the profile is computed, so threads
compute profiles in parallel.)";

const std::string& ProfileDoc() {
    static const std::string doc = std::string(kProfileDocHead) + cli::OptionName(InputField::StartStation) +
                                   ", " + cli::OptionName(InputField::Flowrate) + kProfileDocBody +
                                   "shape    " + ShapeWordList() + kProfileDocTail;
    return doc;
}

}  // namespace

void AddProfileBindings(py::module_& m) {
    py::class_<Profile>(m, "Profile",
                        "A computed or opened profile: its summary, its table rows and the texts the "
                        "program shows.")
        .def_property_readonly("summary", &SummaryOf,
                               "The summary as `rillo-cli profile --format tsv` prints it: normal_depth, "
                               "normal_area, critical_depth, critical_area, flow_type, profile_type and "
                               "control_depth, each the text shown (\"----\": no normal depth).")
        .def_property_readonly("rows", &RowsOf,
                               "One dict per table row: station, depth, energy, area, velocity, top_width, "
                               "momentum, froude, velocity_head, hydraulic_radius, wetted_perimeter as "
                               "floats (None for a cell not written or not stored), and station_text, the "
                               "station as shown (\"1+00.000\").")
        .def_property_readonly("texts", &TextsOf,
                               "The texts exactly as the program's window shows them: name, shape, units, "
                               "inputs (the input fields, the control depth used written back), summary "
                               "and table (a tuple of eleven cell texts per row).")
        .def("to_flo", &WriteFlo, py::arg("path"),
             "Write the profile file (.flo) the program's Save writes to path (a str, bytes or os.PathLike), "
             "as `rillo-cli profile --format flo` "
             "does. The file is replaced in one step: on failure (OSError) the old file is left as it was. "
             "A profile with a blank width (a triangle) cannot be saved: rillo.InputError.")
        .def("__repr__", [](const Profile& p) { return p.Printed(cli::OutputFormat::Text); });
    // The inputs' keywords, in the command line's order: its batch columns.
    auto keyword = [](std::size_t i) { return py::arg(FieldOf(kProfileOptionOrder[i]).column); };
    m.def("profile", &ComputeProfile, py::arg("shape"), py::arg("units"), keyword(0), keyword(1), keyword(2),
          keyword(3), keyword(4), keyword(5), keyword(6) = py::none(), keyword(7) = py::none(),
          py::arg("name") = py::none(), ProfileDoc().c_str());
    m.def("read_flo", &OpenProfile, py::arg("path"),
          "Open the profile file (.flo) at path (a str, bytes or os.PathLike) as the program's File, Open "
          "does, and return it as a rillo.Profile "
          "(the file stores the first seven columns of the table; the others are None). A file that is "
          "missing, unreadable, too large or not a profile file raises rillo.InputError.");
}

}  // namespace rillo::python
