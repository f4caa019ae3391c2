#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// Storage for the large per-build arrays of the terrain (hundreds of megabytes on a big
// field). Large blocks are mapped with all their pages at once: a hundred thousand single
// page faults on first touch would otherwise cost more than filling the arrays. Elements
// are not zeroed before the build fills them.
template <typename T>
class BuildArrayAllocator
{
public:
    using value_type = T;

    BuildArrayAllocator() = default;
    template <typename U>
    BuildArrayAllocator(const BuildArrayAllocator<U>&) noexcept {}

    T* allocate(size_t n)
    {
        if (n > size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        const size_t bytes = n * sizeof(T);
        if (bytes < largeBlock)
            return static_cast<T*>(::operator new(bytes));
#if defined(__linux__) && defined(MAP_POPULATE)
        void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
#else
        void* block = ::operator new(bytes);
#endif
        return static_cast<T*>(block);
    }

    // Elements are filled by the build; no zeroing pass before that.
    template <typename U>
    void construct(U* p) noexcept(noexcept(U()))
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    void deallocate(T* p, size_t n) noexcept
    {
        const size_t bytes = n * sizeof(T);
        if (bytes < largeBlock) {
            ::operator delete(p);
            return;
        }
#if defined(__linux__) && defined(MAP_POPULATE)
        munmap(p, bytes);
#else
        ::operator delete(p);
#endif
    }

    template <typename U>
    bool operator==(const BuildArrayAllocator<U>&) const noexcept { return true; }
    template <typename U>
    bool operator!=(const BuildArrayAllocator<U>&) const noexcept { return false; }

private:
    static constexpr size_t largeBlock = size_t(4) << 20;
};

template <typename T>
using BuildArray = std::vector<T, BuildArrayAllocator<T>>;
