#include "opponent/Steps.h"

#include <new>

namespace tandrel::plan {

namespace {

// Frames by size in steps of 64 bytes; larger ones go to the heap as usual.
constexpr std::size_t Grain = 64, Sizes = 16;

struct FreeFrames {
    void* first[Sizes] = {};
    ~FreeFrames()
    {
        for (void* frame : first)
            while (frame) ::operator delete(std::exchange(frame, *static_cast<void**>(frame)));
    }
};

thread_local FreeFrames freeFrames;

std::size_t SizeClass(std::size_t size) { return (size + Grain - 1) / Grain; }

} // namespace

void* Steps::promise_type::operator new(std::size_t size)
{
    const std::size_t c = SizeClass(size);
    if (c >= Sizes) return ::operator new(size);
    void*& first = freeFrames.first[c];
    if (!first) return ::operator new(c * Grain);
    return std::exchange(first, *static_cast<void**>(first));
}

void Steps::promise_type::operator delete(void* frame, std::size_t size) noexcept
{
    const std::size_t c = SizeClass(size);
    if (c >= Sizes) return ::operator delete(frame);
    *static_cast<void**>(frame) = std::exchange(freeFrames.first[c], frame);
}

} // namespace tandrel::plan
