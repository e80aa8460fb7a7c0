#pragma once

#include <pybind11/pybind11.h>

#include "engine/profile_records.h"

namespace rillo::python {

// rillo.Profile, rillo.profile() and rillo.read_flo().
void AddProfileBindings(pybind11::module_& module);

// One dict per table row, as rillo.Profile.rows gives them.
pybind11::list RowsOfTable(const ProfileTable& table);

}  // namespace rillo::python
