#include "platform/large_blocks.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has mallopt
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "core/large_blocks.h"

namespace tarnwick {

void mapLargeBlocksAlone() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    adviseLargeBlock = [](void* block, std::size_t largeBytes, std::size_t bytes) {
        char* const start = static_cast<char*>(block);
        madvise(start, largeBytes, MADV_HUGEPAGE);
        if (bytes > largeBytes) madvise(start + largeBytes, bytes - largeBytes, MADV_NOHUGEPAGE);
    };
#endif
}

}  // namespace tarnwick
