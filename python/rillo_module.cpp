#include <pybind11/pybind11.h>

#include "engine/product_version.h"
#include "python/calculator_binding.h"
#include "python/errors.h"
#include "python/mixed_binding.h"
#include "python/profile_binding.h"

PYBIND11_MODULE(rillo, m) {
    m.doc() =
        "Rillo's computations from Python: water-surface profiles, profile files and the calculators, "
        "through the same checks and the same engine as rillo-cli, with the same numbers to the last "
        "shown decimal.";
    m.attr("__version__") = std::string(rillo::kProductVersion);
    rillo::python::AddErrorClasses(m);
    rillo::python::AddProfileBindings(m);
    rillo::python::AddCalculatorBindings(m);
    rillo::python::AddMixedBindings(m);
}
