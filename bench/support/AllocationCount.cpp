#include "AllocationCount.h"

#include <atomic>
#include <cstddef>

namespace {
std::atomic<long> allocations{0};
}

long allocationCount() { return allocations.load(); }

extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* p, std::size_t size);
extern "C" void* malloc(std::size_t size) {
    ++allocations;
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size) {
    ++allocations;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, std::size_t size) {
    ++allocations;
    return __libc_realloc(p, size);
}
