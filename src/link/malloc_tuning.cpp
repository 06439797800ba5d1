#include "link/malloc_tuning.h"

#include <cstdio>
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

int mallocArenaCount() {
  int count = 0;
#if defined(__GLIBC__)
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  if (!out) return 0;
  const bool written = malloc_info(0, out) == 0;
  std::fclose(out);
  // One <heap nr="N"> element per arena.
  for (const char* at = text; written && (at = std::strstr(at, "<heap nr=")); ++at) ++count;
  std::free(text);
#endif
  return count;
}
