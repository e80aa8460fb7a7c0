#include "python/calculator_binding.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_app.h"
#include "cli/profile_command.h"
#include "python/argument_text.h"
#include "python/errors.h"

namespace py = pybind11;

namespace rillo::python {

namespace {

// A keyword argument and whether its option is a flag (True or False).
struct Keyword {
    const char* name;
    bool flag = false;
    bool range = false;  // FROM:TO:STEP, or a sequence of the three
};

struct Calculator {
    const char* command;
    std::vector<Keyword> keywords;
    std::string doc;
    bool table = false;  // prints a line of keys, then one line per row
};

// "trapezoidal (default), circular, u-shaped or elongated"
std::string ChannelShapeWords() {
    return ShapeWordList().insert(kChannelShapes.front().word.size(), " (default)");
}

const std::vector<Calculator>& Calculators() {
    static const std::vector<Calculator> calculators = {
        {"critical",
         {{"shape"}, {"units"}, {"flow"}, {"width"}, {"n"}, {"side"}},
         "Critical depth and critical slope of a channel, as `rillo-cli critical` computes them.\n\n"
         "shape  " +
             ChannelShapeWords() +
             "\n"
             "units  english (default) or si\n"
             "flow   flowrate Q;  width  bottom width or diameter;  n  Manning's n\n"
             "side   side slope z (trapezoidal) or side height (elongated); None: 0\n\n"
             "Returns critical_depth, critical_slope, critical_velocity, critical_area, critical_top_width\n"
             "and minimum_energy, each as the text shown. An n of 0.15 or more warns\n"
             "(rillo.RoughnessWarning) and is used as given."},
        {"manning",
         {{"solve"}, {"shape"}, {"units"}, {"flow"}, {"depth"}, {"width"}, {"n"}, {"slope"}, {"side"}},
         "Manning's equation for uniform flow, as `rillo-cli manning` computes it.\n\n"
         "solve  the unknown: depth (default), flow, slope or roughness; leave its argument out\n"
         "shape, units, flow, depth, width, n, slope, side  as for the command line\n\n"
         "Returns the unknown under its key (depth, flow, slope or roughness) and velocity, area,\n"
         "wetted_perimeter, hydraulic_radius, then top_width, hydraulic_depth, froude, flow_type,\n"
         "specific_energy, critical_depth, slope_class, mean_shear and max_shear; a closed conduit adds\n"
         "full_flow, max_flow, max_flow_depth and second_depth. Each as the text shown ('----' where the\n"
         "quantity cannot be formed)."},
        {"weir",
         {{"shape"},
          {"submerged", true},
          {"broad_crested", true},
          {"units"},
          {"length"},
          {"angle"},
          {"head"},
          {"coefficient"},
          {"downstream_head"}},
         "Flowrate over a weir, as `rillo-cli weir` computes it.\n\n"
         "shape  rectangular (default), v-notch or cipolletti\n"
         "submerged, broad_crested  True or False\n"
         "length (rectangular, cipolletti) or angle (v-notch, degrees); head; coefficient;\n"
         "downstream_head (submerged only); units\n\n"
         "Returns {'flowrate': text}."},
        {"orifice",
         {{"shape"}, {"units"}, {"size"}, {"head"}, {"coefficient"}},
         "Flowrate through an orifice, as `rillo-cli orifice` computes it.\n\n"
         "shape  circular (default) or square;  size  diameter or side;  head;  coefficient; units\n\n"
         "Returns {'flowrate': text}."},
        {"gate",
         {{"units"}, {"upstream_depth"}, {"width"}, {"opening"}, {"coefficient"}},
         "Flowrate and velocity under a gate in a rectangular channel, as `rillo-cli gate` computes them.\n\n"
         "upstream_depth, width, opening (less than the upstream depth), coefficient; units\n\n"
         "Returns {'flowrate': text, 'velocity': text}."},
        {"jump",
         {{"shape"}, {"units"}, {"width"}, {"side"}, {"flow"}, {"depth"}},
         "A hydraulic jump from a supercritical depth, as `rillo-cli jump` computes it.\n\n"
         "shape, units, width, side, flow  as for critical;  depth  the depth entering the jump\n\n"
         "Returns sequent_depth, upstream_froude, downstream_froude, upstream_velocity,\n"
         "downstream_velocity, energy_loss, jump_length and jump_type, each as the text shown."},
        {"rating",
         {{"shape"}, {"units"}, {"width"}, {"side"}, {"n"}, {"slope"}, {"depths", false, true}, {"flows", false, true}},
         "A rating table of uniform flow, as `rillo-cli rating` computes it.\n\n"
         "shape, units, width, side, n, slope  as for manning\n"
         "depths or flows  (from, to, step) or the text 'FROM:TO:STEP'; give one of them\n\n"
         "Returns a list of rows, each a dict of depth, flow, area, velocity, top_width,\n"
         "wetted_perimeter, hydraulic_radius, froude, specific_energy, critical_depth, mean_shear and\n"
         "max_shear, each as the text shown.",
         true},
    };
    return calculators;
}

std::string OptionOf(const char* keyword) {
    std::string option = std::string("--") + keyword;
    for (char& c : option) {
        if (c == '_') c = '-';
    }
    return option;
}

// The command line's words for the arguments, given in the order of the
// calculator's keywords.
std::vector<std::string> Arguments(const Calculator& calculator, const std::vector<py::object>& given) {
    std::vector<std::string> args = {calculator.command, "--format=tsv"};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const Keyword& keyword = calculator.keywords[i];
        const py::object& value = given[i];
        if (value.is_none()) continue;
        if (keyword.range && !py::isinstance<py::str>(value) && py::isinstance<py::sequence>(value)) {
            const py::sequence parts = value.cast<py::sequence>();
            if (parts.size() != 3) throw py::type_error(std::string(keyword.name) + " must be (from, to, step)");
            std::string text;
            for (std::size_t p = 0; p < 3; ++p) text += (p ? ":" : "") + ArgumentText(parts[p], keyword.name);
            args.push_back(OptionOf(keyword.name) + "=" + text);
        } else if (keyword.flag) {
            if (!py::isinstance<py::bool_>(value))
                throw py::type_error(std::string(keyword.name) + " must be True or False");
            if (value.cast<bool>()) args.push_back(OptionOf(keyword.name));
        } else {
            // "--head=-1": a text that starts with a minus stays the option's value.
            args.push_back(OptionOf(keyword.name) + "=" + ArgumentText(value, keyword.name));
        }
    }
    return args;
}

// The rows of a table printed as a line of keys, then one line per row.
py::list TableRows(const std::string& text) {
    const auto cells = [](const std::string& line) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            parts.push_back(line.substr(start, tab - start));
        parts.push_back(line.substr(start));
        return parts;
    };
    std::istringstream lines(text);
    std::string line;
    py::list rows;
    if (!std::getline(lines, line)) return rows;
    const std::vector<std::string> keys = cells(line);
    while (std::getline(lines, line)) {
        const std::vector<std::string> values = cells(line);
        py::dict row;
        for (std::size_t i = 0; i < keys.size() && i < values.size(); ++i) row[py::str(keys[i])] = values[i];
        rows.append(row);
    }
    return rows;
}

py::object RunCalculator(const Calculator& calculator, const std::vector<py::object>& given) {
    const std::vector<std::string> args = Arguments(calculator, given);
    std::ostringstream out, err;
    int status = 0;
    {
        py::gil_scoped_release unlocked;
        status = cli::RunCli(args, out, err);
    }
    std::istringstream messages(err.str());
    std::string line, failure;
    const std::string warningMark = "Warning: ";
    while (std::getline(messages, line)) {
        if (line.compare(0, warningMark.size(), warningMark) == 0) {
            WarnRoughness(line.substr(warningMark.size()));
        } else if (failure.empty()) {
            failure = line;
        }
    }
    if (status != cli::kExitOk) RaiseMessageLine(failure, status == cli::kExitComputationFailed);
    if (calculator.table) return TableRows(out.str());
    py::dict results;
    std::istringstream lines(out.str());
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) results[py::str(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return results;
}

template <std::size_t>
using Argument = py::object;

// The calculator as a function of its keywords, each None by default, so that
// help() shows them in its signature.
template <std::size_t... I>
void Define(py::module_& m, const Calculator& calculator, std::index_sequence<I...>) {
    m.def(
        calculator.command,
        [&calculator](Argument<I>... values) { return RunCalculator(calculator, {std::move(values)...}); },
        (py::arg(calculator.keywords[I].name) = py::none())..., calculator.doc.c_str());
}

template <std::size_t Count>
void Define(py::module_& m, const Calculator& calculator) {
    if (calculator.keywords.size() != Count) throw std::logic_error(calculator.command);
    Define(m, calculator, std::make_index_sequence<Count>());
}

}  // namespace

void AddCalculatorBindings(py::module_& m) {
    const std::vector<Calculator>& c = Calculators();
    Define<6>(m, c[0]);  // critical
    Define<9>(m, c[1]);  // manning
    Define<9>(m, c[2]);  // weir
    Define<5>(m, c[3]);  // orifice
    Define<5>(m, c[4]);  // gate
    Define<6>(m, c[5]);  // jump
    Define<8>(m, c[6]);  // rating
}

}  // namespace rillo::python
