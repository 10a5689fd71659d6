#include "platform/large_blocks.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has mallopt
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tarnwick {

void mapLargeBlocksAlone() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

}  // namespace tarnwick
