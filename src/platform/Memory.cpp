#include "platform/Memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void Memory::releaseFreedPages() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
