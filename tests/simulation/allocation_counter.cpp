#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {

bool countingAllocations = false;
long allocationCount = 0;

}  // namespace

void startCountingAllocations()
{
    allocationCount = 0;
    countingAllocations = true;
}

long stopCountingAllocations()
{
    countingAllocations = false;
    return allocationCount;
}

void* operator new(std::size_t size)
{
    if (countingAllocations) ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

// Kept out of line so the compiler never pairs a new expression with free().
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
