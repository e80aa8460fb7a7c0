#include "python/argument_text.h"

#include <charconv>

namespace py = pybind11;

namespace rillo::python {

std::string ArgumentText(py::handle value, const char* keyword) {
    if (value.is_none()) return "";
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (!py::isinstance<py::bool_>(value)) {
        if (py::isinstance<py::int_>(value)) return py::str(value).cast<std::string>();
        if (py::isinstance<py::float_>(value)) {
            char buffer[64];
            const auto written = std::to_chars(buffer, buffer + sizeof buffer, value.cast<double>());
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

}  // namespace rillo::python
