#include "link/malloc_tuning.h"

#include <cstdlib>
#include <cstring>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void capMallocArenas() {
#if defined(__GLIBC__)
  // A limit the user set for this process stands.
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  if (std::getenv("MALLOC_ARENA_MAX") || (tunables && std::strstr(tunables, "arena_max"))) return;
  mallopt(M_ARENA_MAX, kMallocArenas);
#endif
}

void releaseFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}
