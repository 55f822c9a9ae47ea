#include "core/ProcessMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zort {

void useOneMemoryPool() {
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace zort
