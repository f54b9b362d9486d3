#include "app/memory_policy.h"

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace brevane {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Fixed limits also switch off glibc's adaptive ones.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // buffers below this come from the heap and stay in it
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024); // free memory kept at the top of the heap
#endif
}

} // namespace brevane
