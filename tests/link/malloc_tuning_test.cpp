#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "link/malloc_tuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// How many arenas glibc has made so far; 0 where that cannot be told.
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

}  // namespace

// Threads that allocate at once share the capped arenas: one each made a loop's memory climb.
TEST(MallocArenas, ThreadsThatAllocateTogetherShareTheCappedArenas) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizer's allocator stands in for glibc's";
#endif
  capMallocArenas();
  const int before = mallocArenaCount();
  if (before == 0) GTEST_SKIP() << "the C library does not tell its arenas";

  // Every thread holds its block until all have allocated, so none can hand an arena on. The
  // blocks are freed afterwards, out of the compiler's sight, so no allocation is elided.
  constexpr int kThreads = 8;
  std::barrier allAllocated(kThreads);
  std::vector<void*> blocks(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&allAllocated, &block = blocks[size_t(i)]] {
      block = std::malloc(4096);
      allAllocated.arrive_and_wait();
    });
  }
  for (std::thread& thread : threads) thread.join();
  const int after = mallocArenaCount();
  for (void* block : blocks) std::free(block);

  EXPECT_LE(after, std::max(before, kMallocArenas));
}
