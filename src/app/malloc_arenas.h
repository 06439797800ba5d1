#pragma once

// glibc gives each thread that allocates an arena of its own, up to eight per core. The run's
// scheduler and sender, the board's thread and the port poller each fill one with pages over
// a loop's first minutes, and resident memory kept rising for minutes after start-up. They
// share one arena instead; the main thread keeps its own, so the window does not contend with
// the run. Call before any thread starts. A limit set in the environment (MALLOC_ARENA_MAX,
// or arena_max in GLIBC_TUNABLES) stands; nothing is done where the C library is not glibc.
inline constexpr int kMallocArenas = 2;
void capMallocArenas();

// How many arenas glibc has made so far; 0 where that cannot be told.
int mallocArenaCount();
