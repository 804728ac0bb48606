#pragma once

// Counts the heap allocations this test binary makes between start and stop.
void startCountingAllocations();
long stopCountingAllocations();
