#include "python/argument_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace py = pybind11;

namespace rillo::python {

std::string ArgumentText(py::handle value, const char* keyword) {
    if (value.is_none()) return "";
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    // Whole numbers of any kind (numpy's too) as their digits; other real
    // numbers (float, numpy.float32, Decimal, Fraction) through float.
    if (!py::isinstance<py::bool_>(value)) {
        if (PyIndex_Check(value.ptr())) {
            const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
            if (!whole) throw py::error_already_set();
            return py::str(whole).cast<std::string>();
        }
        if (py::hasattr(value, "__float__")) {
            const double number = PyFloat_AsDouble(value.ptr());
            if (number == -1.0 && PyErr_Occurred()) throw py::error_already_set();
            char buffer[64];
            const auto written = std::to_chars(buffer, buffer + sizeof buffer, number);
            return std::string(buffer, written.ptr);
        }
    }
    throw py::type_error(std::string(keyword) + " must be a number, a text or None, not " +
                         py::str(py::type::of(value).attr("__name__")).cast<std::string>());
}

std::string KeywordOfOption(const std::string& option) {
    if (option.size() < 3 || option.compare(0, 2, "--") != 0) return "";
    std::string keyword = option.substr(2);
    for (char& c : keyword) {
        if (c == '-') c = '_';
        if (c == '/') return "";  // "--start/--end": both stations
    }
    return keyword;
}

std::string LowerWord(std::string word) {
    std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
    return word;
}

}  // namespace rillo::python
