#include <pybind11/pybind11.h>

#include "python/frames.h"

namespace py = pybind11;

namespace vornpy {

std::optional<Refusal> refusalOf(const KoArmProfile&, const Frames&, const QString&) { return {}; }
std::optional<Refusal> refusalOfMove(const KoArmProfile&, int, int) { return {}; }
kinematics::Reach reachPoint(const KoArmProfile&, const KoChannelPositions& current, double, double,
                             double, kinematics::WristHold) {
  return {current, {}, false};
}

void bindProfiles(py::module_&) {}

}  // namespace vornpy
