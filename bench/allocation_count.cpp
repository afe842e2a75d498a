// SPDX-License-Identifier: GPL-3.0-or-later
#include "allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

// The benchmarks run on one thread: a plain count, as a locked add on every allocation would
// weigh on what is measured.
std::uint64_t g_allocations = 0;

}  // namespace

namespace ferrovolt {

std::uint64_t allocationCount() {
    return g_allocations;
}

}  // namespace ferrovolt

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
