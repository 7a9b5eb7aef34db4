// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "length_query.h"
#include "units.h"

namespace zelvar {

// The thirteen other units for a length, the most useful first, for a
// desktop's search that shows only the first few. In four groups, in this
// order:
//   1. the common units of the other system (a customary length is wanted in
//      metric, and the reverse): m, cm, mm, km, or in, ft, yd, mi;
//   2. the rare units of the other system: dm, dam, hm, or rd, fur, lea;
//   3. and 4. the common, then the rare units of the length's own system.
// Within a group, a figure between 1 and 1000 comes first; the others follow
// by how far they lie from that range, by ratio (0.5 is as far as 2000). Ties
// keep the order the groups are listed in above. A zero is in range for every
// unit. "5 ft" leads with metres (1.524), then centimetres (152.4); "1.5 km"
// has no common customary figure in range, and miles (0.93195) lie nearest.
// Empty when CONVERT would report an overflow for the value.
std::vector<LengthUnit> unitsByUsefulness(LengthUnit source, float entered);

// The units a query's results are converted into: its target alone, or the
// thirteen others by usefulness. None when CONVERT would report an overflow
// for the value, with a target or without, so that a desktop is never given
// a result that cannot be shown.
std::vector<LengthUnit> resultTargets(const LengthQuery& query);

}  // namespace zelvar
