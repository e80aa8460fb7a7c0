#include "python/errors.h"

#include "engine/product_version.h"
#include "python/argument_text.h"

namespace py = pybind11;

namespace rillo::python {

namespace {

PyObject* errorClass = nullptr;
PyObject* inputErrorClass = nullptr;
PyObject* computationErrorClass = nullptr;
PyObject* roughnessWarningClass = nullptr;

PyObject* NewClass(py::module_& module, const char* name, PyObject* base, const char* doc) {
    const std::string qualified = std::string("rillo.") + name;
    PyObject* cls = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, base, nullptr);
    if (!cls) throw py::error_already_set();
    module.add_object(name, py::handle(cls));
    return cls;
}

[[noreturn]] void Raise(PyObject* cls, const std::string& title, const std::string& text,
                        const std::string& field, py::object partial) {
    py::object error = py::reinterpret_borrow<py::object>(cls)(title + ": " + text);
    error.attr("title") = title;
    error.attr("text") = text;
    error.attr("field") = field.empty() ? py::object(py::none()) : py::object(py::str(field));
    error.attr("profile") = partial;
    PyErr_SetObject(cls, error.ptr());
    throw py::error_already_set();
}

}  // namespace

void AddErrorClasses(py::module_& module) {
    errorClass = NewClass(module, "Error", PyExc_Exception,
                          "A message of the program: .title and .text as its message box shows them, and "
                          ".field, the keyword argument to blame (None when no one field is).");
    PyObject* inputBases = PyTuple_Pack(2, errorClass, PyExc_ValueError);
    inputErrorClass =
        NewClass(module, "InputError", inputBases, "An input the program refuses; nothing was computed.");
    Py_DECREF(inputBases);
    computationErrorClass = NewClass(module, "ComputationError", errorClass,
                                     "A computation that failed. For a profile, .profile holds what was "
                                     "computed before the failure (or None).");
    roughnessWarningClass = NewClass(module, "RoughnessWarning", PyExc_UserWarning,
                                     "A Manning's n of 0.15 or more: used as given, as when the question "
                                     "is answered Yes.");
}

void RaiseInputError(const std::string& title, const std::string& text, const std::string& field) {
    Raise(inputErrorClass, title, text, field, py::none());
}

void RaiseComputationError(const std::string& title, const std::string& text, py::object partial) {
    Raise(computationErrorClass, title, text, "", std::move(partial));
}

void RaiseMessageLine(std::string line, bool computationFailed) {
    std::string field;
    if (line.compare(0, 2, "--") == 0) {
        const std::size_t colon = line.find(": ");
        field = KeywordOfOption(line.substr(0, colon));
        if (colon != std::string::npos) line.erase(0, colon + 2);
    }
    std::string title(kProductTitle), text = line;
    if (const std::size_t colon = line.find(": "); colon != std::string::npos) {
        title = line.substr(0, colon);
        text = line.substr(colon + 2);
    }
    if (computationFailed) RaiseComputationError(title, text);
    RaiseInputError(title, text, field);
}

void WarnRoughness(const std::string& message) {
    if (PyErr_WarnEx(roughnessWarningClass, message.c_str(), 1) != 0) throw py::error_already_set();
}

}  // namespace rillo::python
