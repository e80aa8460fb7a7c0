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
};

struct Calculator {
    const char* command;
    std::vector<Keyword> keywords;
    std::string doc;
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
             "Returns {'critical_depth': text, 'critical_slope': text}. An n of 0.15 or more warns\n"
             "(rillo.RoughnessWarning) and is used as given."},
        {"manning",
         {{"solve"}, {"shape"}, {"units"}, {"flow"}, {"depth"}, {"width"}, {"n"}, {"slope"}, {"side"}},
         "Manning's equation for uniform flow, as `rillo-cli manning` computes it.\n\n"
         "solve  the unknown: depth (default), flow, slope or roughness; leave its argument out\n"
         "shape, units, flow, depth, width, n, slope, side  as for the command line\n\n"
         "Returns the unknown under its key (depth, flow, slope or roughness) and velocity, area,\n"
         "wetted_perimeter, hydraulic_radius, each as the text shown."},
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
        if (keyword.flag) {
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

py::dict RunCalculator(const Calculator& calculator, const std::vector<py::object>& given) {
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
}

}  // namespace rillo::python
