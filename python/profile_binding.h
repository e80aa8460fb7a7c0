#pragma once

#include <pybind11/pybind11.h>

namespace rillo::python {

// rillo.Profile, rillo.profile() and rillo.read_flo().
void AddProfileBindings(pybind11::module_& module);

}  // namespace rillo::python
