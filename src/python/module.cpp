#include <pybind11/pybind11.h>

#include "python/board.h"
#include "python/errors.h"
#include "python/frames.h"
#include "python/link_thread.h"

namespace py = pybind11;

PYBIND11_MODULE(vorn, m) {
  m.doc() =
      "The robot arm's board, its action files and arm profiles, over the libraries of the "
      "desktop program and vornctl.";
  m.attr("__version__") = VORN_VERSION;
  vornpy::registerErrors(m);
  vornpy::bindFiles(m);
  vornpy::bindProfiles(m);
  vornpy::bindBoard(m);
  // The link thread ends before the interpreter does, while Python may still be called.
  py::module_::import("atexit").attr("register")(
      py::cpp_function([] { vornpy::LinkThread::quitIfStarted(); }));
}
