#include "core/platform/allocatortuning.h"

#include <malloc.h>

namespace pagoranto {

void ReturnLargeBuffersToSystem()
{
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
}

} // namespace pagoranto
