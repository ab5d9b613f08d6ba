/* AllocCount: preloaded into a benchmarked process (LD_PRELOAD), counts every heap allocation
 * (malloc, calloc, realloc, the aligned forms; operator new goes through malloc) and hands the
 * count to CountingVideo through vorn_bench_allocations. Needs glibc's __libc_ entry points. */
#include <stddef.h>

extern void* __libc_malloc(size_t size);
extern void* __libc_calloc(size_t count, size_t size);
extern void* __libc_realloc(void* pointer, size_t size);
extern void* __libc_memalign(size_t alignment, size_t size);

static unsigned long long allocations;

__attribute__((visibility("default"))) unsigned long long vorn_bench_allocations(void)
{
    return __atomic_load_n(&allocations, __ATOMIC_RELAXED);
}

static void count(void)
{
    __atomic_add_fetch(&allocations, 1, __ATOMIC_RELAXED);
}

__attribute__((visibility("default"))) void* malloc(size_t size)
{
    count();
    return __libc_malloc(size);
}

__attribute__((visibility("default"))) void* calloc(size_t n, size_t size)
{
    count();
    return __libc_calloc(n, size);
}

__attribute__((visibility("default"))) void* realloc(void* pointer, size_t size)
{
    count();
    return __libc_realloc(pointer, size);
}

__attribute__((visibility("default"))) void* memalign(size_t alignment, size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

__attribute__((visibility("default"))) void* aligned_alloc(size_t alignment, size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

__attribute__((visibility("default"))) int posix_memalign(void** out, size_t alignment, size_t size)
{
    count();
    void* pointer = __libc_memalign(alignment, size);
    if (pointer == NULL)
        return 12; /* ENOMEM */
    *out = pointer;
    return 0;
}
