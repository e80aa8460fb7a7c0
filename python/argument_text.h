#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace rillo::python {

// The text a keyword argument stands for, as it would be typed after its
// option: None is an option left out (""), a str is taken as typed, a whole
// number is written in digits and any other real number (float, Decimal,
// numpy's) with the shortest text that reads back as the same double.
// Anything else (a bool included) raises TypeError.
std::string ArgumentText(pybind11::handle value, const char* keyword);

// "upstream_depth" for "--upstream-depth"; "" for a text that names no option.
std::string KeywordOfOption(const std::string& option);

// A shape or unit keyword in lower case, as the options take it ("Circular" -> "circular").
std::string LowerWord(std::string word);

}  // namespace rillo::python
