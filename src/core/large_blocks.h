#pragma once
#include <cstddef>
#include <cstdlib>
#include <new>

namespace tarnwick {

// Pictures and canvas buffers are megabytes each. Mapped in 4 KB pages, every
// new one costs thousands of page faults when first written (milliseconds a
// picture on a virtual machine), and pixel probes scattered over the canvas miss
// the address cache. Blocks this large are therefore aligned to the 2 MB of a
// large page, so the system can back them with a few large pages.
inline constexpr std::size_t largeBlockAlignment = std::size_t{2} << 20;

// Set once at start-up by the platform: asks the system to back the first
// `largeBytes` of a fresh aligned block of `bytes` with large pages and the rest
// with small ones (before anything touches it), so a picture costs no more
// memory than its pixels. Without it the blocks are only aligned.
inline void (*adviseLargeBlock)(void* block, std::size_t largeBytes, std::size_t bytes) = nullptr;

// The allocator of pixel buffers: small buffers as usual, large ones aligned.
template <typename T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < largeBlockAlignment) return static_cast<T*>(::operator new(bytes));
        const std::size_t rounded = (bytes + largeBlockAlignment - 1) / largeBlockAlignment * largeBlockAlignment;
        void* block = std::aligned_alloc(largeBlockAlignment, rounded);
        if (!block) throw std::bad_alloc();
        if (adviseLargeBlock) adviseLargeBlock(block, largePart(bytes, rounded), rounded);
        return static_cast<T*>(block);
    }
    void deallocate(T* p, std::size_t n) {
        if (n * sizeof(T) < largeBlockAlignment) ::operator delete(p);
        else std::free(p);
    }

    // The whole large pages of the block; the last, partial one too when it adds
    // less than a tenth to the memory of the block.
    static std::size_t largePart(std::size_t bytes, std::size_t rounded) {
        return (rounded - bytes) * 10 < bytes ? rounded : bytes / largeBlockAlignment * largeBlockAlignment;
    }

    template <typename U>
    bool operator==(const LargeBlockAllocator<U>&) const { return true; }
};

}  // namespace tarnwick
