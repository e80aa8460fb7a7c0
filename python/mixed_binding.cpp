#include "python/mixed_binding.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>

#include "cli/mixed_command.h"
#include "sections/channel_shapes.h"
#include "engine/profile_fields.h"
#include "python/argument_text.h"
#include "python/errors.h"
#include "python/profile_binding.h"

namespace py = pybind11;

namespace rillo::python {

namespace {

// A computed mixed-regime profile and the unit system it is printed in.
struct MixedProfile {
    UnitSystem units = UnitSystem::English;
    MixedProfileResult result;

    std::string Printed(const std::string& format) const {
        std::ostringstream out;
        cli::PrintMixedProfile(result, units, format, out);
        return out.str();
    }
};

// The tsv lines before the empty line, as key and text.
py::dict MixedSummaryOf(const MixedProfile& profile) {
    py::dict summary;
    MixedProfile head = profile;
    head.result.table.clear();
    std::istringstream lines(head.Printed("tsv"));
    for (std::string line; std::getline(lines, line) && !line.empty();) {
        const std::size_t tab = line.find('\t');
        summary[py::str(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return summary;
}

MixedProfile ComputeMixed(const std::string& shape, const std::string& units, py::object start,
                          py::object end, py::object flow, py::object width, py::object n, py::object slope,
                          py::object side, py::object upstreamDepth, py::object downstreamDepth) {
    cli::MixedOptions o;
    o.profile.shape = LowerWord(shape);
    o.profile.units = LowerWord(units);
    if (!ShapeWithWord(o.profile.shape))
        RaiseInputError("Input Error", "the shape is " + ShapeWordList() + ", not \"" + shape + "\".",
                        "shape");
    if (!cli::IsUnitsName(o.profile.units))
        RaiseInputError("Input Error", "the units are english or si, not \"" + units + "\".", "units");
    const std::array<std::pair<InputField, py::handle>, 7> given = {{{InputField::StartStation, start},
                                                                     {InputField::EndStation, end},
                                                                     {InputField::Flowrate, flow},
                                                                     {InputField::WidthOrDiameter, width},
                                                                     {InputField::ManningN, n},
                                                                     {InputField::BottomSlope, slope},
                                                                     {InputField::SideSlopeOrHeight, side}}};
    for (const auto& [id, value] : given) {
        const ProfileField& field = FieldOf(id);
        o.profile.texts.*field.text = ArgumentText(value, field.column);
    }
    o.depths.upstreamDepth = ArgumentText(upstreamDepth, "upstream_depth");
    o.depths.downstreamDepth = ArgumentText(downstreamDepth, "downstream_depth");

    MixedProfile profile;
    profile.units = cli::UnitsFromName(o.profile.units);
    std::ostringstream messages;
    int status = cli::kExitOk;
    {
        py::gil_scoped_release unlocked;
        status = cli::CheckAndComputeMixed(o, profile.result, messages);
    }
    // The message lines: a warning first, then the refusal or failure.
    std::istringstream lines(messages.str());
    std::string line, last;
    const std::string warning = "Warning: ";
    while (std::getline(lines, line)) {
        if (line.rfind(warning, 0) == 0) {
            WarnRoughness(line.substr(warning.size()));
        } else if (!line.empty()) {
            last = line;
        }
    }
    if (status != cli::kExitOk) RaiseMessageLine(last, status == cli::kExitComputationFailed);
    return profile;
}

constexpr const char* kMixedDoc =
    R"(Compute a reach held supercritical at its upstream end and subcritical at
its downstream end, and locate the hydraulic jump between them, as
`rillo-cli mixed` does.

The arguments are those of rillo.profile() without control, plus
upstream_depth  the supercritical depth entering the reach (below a gate)
downstream_depth  the subcritical depth at its end (a tailwater)
each a number or a text as typed after the command line's option.

Returns a rillo.MixedProfile. Raises rillo.InputError for an input the
program refuses (an upstream depth not below critical depth, a downstream
depth not above it, ...) and rillo.ComputationError for a computation that
failed.)";

}  // namespace

void AddMixedBindings(py::module_& m) {
    py::class_<MixedProfile>(m, "MixedProfile",
                             "A mixed-regime profile: its jump and its rows in station order.")
        .def_property_readonly("summary", &MixedSummaryOf,
                               "The lines before the table as `rillo-cli mixed --format tsv` prints them: "
                               "normal_depth, critical_depth, jump_station, jump_upstream_depth, "
                               "jump_downstream_depth, energy_loss and jump_length, each the text shown; "
                               "jump_station \"none\" and jump_note when the jump forms beyond an end.")
        .def_property_readonly(
            "rows", [](const MixedProfile& p) { return RowsOfTable(p.result.table); },
            "One dict per table row in station order, as rillo.Profile.rows gives them.")
        .def_property_readonly(
            "jump_row",
            [](const MixedProfile& p) {
                return p.result.jumpRow ? py::object(py::int_(*p.result.jumpRow)) : py::object(py::none());
            },
            "The index in rows of the depth before the jump (the depth after it follows); None: no jump in "
            "the reach.")
        .def("__repr__", [](const MixedProfile& p) { return p.Printed("text"); });
    m.def("mixed", &ComputeMixed, py::arg("shape"), py::arg("units"), py::arg("start"), py::arg("end"),
          py::arg("flow"), py::arg("width"), py::arg("n"), py::arg("slope"), py::arg("side") = py::none(),
          py::kw_only(), py::arg("upstream_depth"), py::arg("downstream_depth"), kMixedDoc);
}

}  // namespace rillo::python
