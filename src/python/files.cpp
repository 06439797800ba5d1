#include <pybind11/pybind11.h>

#include "python/frames.h"

namespace py = pybind11;

namespace vornpy {

Frames framesOf(py::handle) { throw py::type_error("frames are not available yet"); }
QString nameOf(py::handle) { return {}; }
QList<QByteArray> movesOf(const Frames&) { return {}; }

void bindFiles(py::module_&) {}

}  // namespace vornpy
