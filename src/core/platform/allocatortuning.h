#pragma once

namespace pagoranto {

// A photo's decoder buffers are megabytes that each thread frees again. Left to itself glibc's
// allocator raises its mmap threshold after the first such free and keeps later ones in every
// thread's heap, so the peak grows with the threads; a fixed threshold gives them back, and a
// thread keeps at most a few megabytes of free heap for its next photo. Call once at the start of
// main, before any thread runs.
void ReturnLargeBuffersToSystem();

} // namespace pagoranto
