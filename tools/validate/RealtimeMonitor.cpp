#include "RealtimeMonitor.h"

#if ORVA_REALTIME_MONITOR

#include <dlfcn.h>
#include <pthread.h>
#include <stdarg.h>
#include <sys/types.h>
#include <time.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
void* __libc_memalign(size_t, size_t);
}

namespace {

enum Kind { kAllocation, kLock, kSystemCall, kKinds };
const char* const kKindNames[kKinds] = {"allocation", "lock", "system call"};

thread_local bool monitoring = false;
std::atomic<int> counts[kKinds];
std::atomic<const char*> firstName[kKinds];

inline void count(Kind kind, const char* name) {
    if (!monitoring) return;
    if (counts[kind].fetch_add(1) == 0) firstName[kind].store(name);
}

template <typename F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// The interposed entries: this program is linked with its symbols exported, so plug-ins
// loaded later resolve these names here first.
extern "C" {

void* malloc(size_t n) {
    count(kAllocation, "malloc");
    return __libc_malloc(n);
}
void* calloc(size_t a, size_t b) {
    count(kAllocation, "calloc");
    return __libc_calloc(a, b);
}
void* realloc(void* p, size_t n) {
    count(kAllocation, "realloc");
    return __libc_realloc(p, n);
}
void free(void* p) {
    if (p) count(kAllocation, "free");
    __libc_free(p);
}
void* memalign(size_t a, size_t n) {
    count(kAllocation, "memalign");
    return __libc_memalign(a, n);
}
int posix_memalign(void** out, size_t a, size_t n) {
    count(kAllocation, "posix_memalign");
    *out = __libc_memalign(a, n);
    return *out ? 0 : 12;
}
void* aligned_alloc(size_t a, size_t n) {
    count(kAllocation, "aligned_alloc");
    return __libc_memalign(a, n);
}

#define ORVA_FORWARD(kind, ret, name, params, args)    \
    ret name params {                                  \
        count(kind, #name);                            \
        static auto real = next<ret(*) params>(#name); \
        return real args;                              \
    }

ORVA_FORWARD(kLock, int, pthread_mutex_lock, (pthread_mutex_t * m), (m))
ORVA_FORWARD(kLock, int, pthread_mutex_trylock, (pthread_mutex_t * m), (m))
ORVA_FORWARD(kLock, int, pthread_rwlock_rdlock, (pthread_rwlock_t * l), (l))
ORVA_FORWARD(kLock, int, pthread_rwlock_wrlock, (pthread_rwlock_t * l), (l))
ORVA_FORWARD(kLock, int, pthread_cond_wait, (pthread_cond_t * c, pthread_mutex_t* m), (c, m))
ORVA_FORWARD(kSystemCall, ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n))
ORVA_FORWARD(kSystemCall, ssize_t, read, (int fd, void* b, size_t n), (fd, b, n))
ORVA_FORWARD(kSystemCall, int, close, (int fd), (fd))
ORVA_FORWARD(kSystemCall, FILE*, fopen, (const char* p, const char* m), (p, m))
ORVA_FORWARD(kSystemCall, int, nanosleep, (const struct timespec* a, struct timespec* b), (a, b))
ORVA_FORWARD(kSystemCall, int, usleep, (useconds_t u), (u))
ORVA_FORWARD(kSystemCall, int, sched_yield, (), ())
ORVA_FORWARD(kSystemCall, int, puts, (const char* s), (s))
ORVA_FORWARD(kSystemCall, int, fflush, (FILE * f), (f))

int open(const char* path, int flags, ...) {
    count(kSystemCall, "open");
    va_list ap;
    va_start(ap, flags);
    const int mode = va_arg(ap, int);
    va_end(ap);
    static auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int printf(const char* format, ...) {
    count(kSystemCall, "printf");
    va_list ap;
    va_start(ap, format);
    const int n = vprintf(format, ap);
    va_end(ap);
    return n;
}

int fprintf(FILE* f, const char* format, ...) {
    count(kSystemCall, "fprintf");
    va_list ap;
    va_start(ap, format);
    const int n = vfprintf(f, format, ap);
    va_end(ap);
    return n;
}

}  // extern "C"

namespace validate {

bool realtimeMonitorAvailable() { return true; }

void startMonitoring() {
    for (auto& c : counts) c.store(0);
    monitoring = true;
}

std::string stopMonitoring() {
    monitoring = false;
    std::string report;
    for (int k = 0; k < kKinds; ++k) {
        const int n = counts[k].load();
        if (n == 0) continue;
        if (!report.empty()) report += ", ";
        report +=
            std::to_string(n) + " " + kKindNames[k] + (n == 1 ? "" : "s") + " (first: " + firstName[k].load() + ")";
    }
    return report;
}

}  // namespace validate

#else

namespace validate {

bool realtimeMonitorAvailable() { return false; }
void startMonitoring() {}
std::string stopMonitoring() { return {}; }

}  // namespace validate

#endif
