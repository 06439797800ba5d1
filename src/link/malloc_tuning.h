#pragma once

// glibc gives each thread that allocates an arena of its own, up to eight per core. The run's
// scheduler and sender, the port poller, a download's worker and Qt's pools each filled one
// with pages over a loop's first minutes, so resident memory kept rising long after start-up.
// Capped, the threads share two. Call before any thread starts. A limit set in the
// environment (MALLOC_ARENA_MAX, or arena_max in GLIBC_TUNABLES) stands; nothing is done
// where the C library is not glibc.
inline constexpr int kMallocArenas = 2;
void capMallocArenas();

// Hands the whole free pages inside every arena back to the system. After a burst of
// short-lived allocations spread over threads, such as a download's thousands of frames,
// they would otherwise stay resident, a few more after each burst.
void releaseFreedMemory();
