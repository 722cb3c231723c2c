#include "core/platform/allocatortuning.h"

#include <malloc.h>

namespace pagoranto {

void ReturnLargeBuffersToSystem()
{
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // Fixing the mmap threshold also pins the trim threshold at 128 KiB, and a thread's heap
    // then gives back and takes again its smaller buffers for every photo, each time with a
    // TLB flush on every core; a few megabytes kept per thread avoid that.
    mallopt(M_TRIM_THRESHOLD, 4 << 20);
}

} // namespace pagoranto
