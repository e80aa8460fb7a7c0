#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace rillo::python {

// rillo.Error and its kinds, made once when the module is imported.
void AddErrorClasses(pybind11::module_& module);

// Raises rillo.InputError (an input the program refuses) or
// rillo.ComputationError (a computation that failed) with the program's
// message: `title`, `text` and `field` (the keyword to blame, or None).
// `partial` goes under .profile when it is not None.
[[noreturn]] void RaiseInputError(const std::string& title, const std::string& text,
                                  const std::string& field);
[[noreturn]] void RaiseComputationError(const std::string& title, const std::string& text,
                                        pybind11::object partial = pybind11::none());

// Raises the message of one of the command line's message lines,
// "[--option: ]Title: text": the option names the field to blame.
[[noreturn]] void RaiseMessageLine(std::string line, bool computationFailed);

// A rillo.RoughnessWarning through warnings.warn; raises what the warning
// filters make of it (an error under "error").
void WarnRoughness(const std::string& message);

}  // namespace rillo::python
