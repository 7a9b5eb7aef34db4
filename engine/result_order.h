// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "units.h"
#include "written_length.h"

namespace zelvar {

// The thirteen other units for a length, the most useful first, for a
// desktop's search that shows only the first five. In three groups, in this
// order:
//   1. the common units of the other system (a customary length is wanted in
//      metric, and the reverse): m, cm, mm, km, or in, ft, yd, mi;
//   2. the common units of the length's own system;
//   3. the rare units of both: lea, fur, rd, hm, dam, dm.
// Within a group, a figure between 1 and 1000 comes first; the others follow
// by how far they lie from that range, by ratio (0.5 is as far as 2000). Ties
// keep the order the units are listed in above. A zero is in range for every
// unit. "5 ft" leads with metres (1.524), then centimetres (152.4); "1.5 km"
// has no common customary figure in range, and miles (0.93195) lie nearest.
// Empty when CONVERT would report an overflow for the value.
std::vector<LengthUnit> unitsByUsefulness(LengthUnit source, float entered);

// What a length's results are converted into: its target alone, or the
// thirteen other units by usefulness, with feet and inches right after FEET
// for a metric length. None when CONVERT would report an overflow for the
// value, with a target or without, so that a desktop is never given a result
// that cannot be shown.
std::vector<LengthTarget> resultTargets(const WrittenLength& length);

}  // namespace zelvar
