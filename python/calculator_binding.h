#pragma once

#include <pybind11/pybind11.h>

namespace rillo::python {

// rillo.critical(), manning(), weir(), orifice() and gate(): the calculator
// subcommands of rillo-cli.
void AddCalculatorBindings(pybind11::module_& module);

}  // namespace rillo::python
