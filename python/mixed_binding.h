#pragma once

#include <pybind11/pybind11.h>

namespace rillo::python {

// rillo.MixedProfile and rillo.mixed().
void AddMixedBindings(pybind11::module_& module);

}  // namespace rillo::python
