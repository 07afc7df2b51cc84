// Where the yaw moment of the moored vessel at a heading comes from, in the words a user can act
// on: the load whose contribution is the largest, and the model, table or file with the item of
// page 8 (or the page of the load) that feeds it; for a user table or file, the row whose
// coefficient is the largest in size. The slow drift names it when the moment is beyond any use.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The yaw moment at the vessel heading PSI [rad] and the lines that name its largest contribution
// (each line begins with five blanks). Evaluates TORQUE2, so the vessel's operators are brought to
// PSI as for any trial heading.
struct MomentSource {
  float moment = 0.0f;             // the net yaw moment [ft-kips | m.ton-m]
  std::vector<std::string> lines;  // what feeds its largest contribution
};
MomentSource largestMomentSource(float PSI);

// " ft-kips" or " m.ton-m": the unit of a yaw moment by the data set's units.
std::string momentLabel();

}  // namespace qv
