#pragma once

namespace tarnwick {

// Pictures, canvas buffers and snapshots are megabytes each and come and go at
// every stage. Left to itself the C library raises its threshold for mapping
// such blocks once one is freed, so later ones come from the heap and the gaps
// they leave are never given back: the peak grows by a whole picture or two.
// Fixing the threshold maps every block of a megabyte or more on its own and
// returns it whole when freed. It also lets pixel buffers ask for large pages
// (core/large_blocks.h). Called once at start-up.
void mapLargeBlocksAlone();

}  // namespace tarnwick
