#pragma once
// Fixed-bounds arrays whose element access checks the index, so the rules can
// use the game's own 1-based (and 2-based) indexing and an index that slips out
// of range is caught at once instead of silently damaging memory.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace tandrel {

[[noreturn]] inline void BoundsError(int i, int lo, int hi)
{
    throw std::out_of_range("index " + std::to_string(i) + " outside " + std::to_string(lo) + ".." +
                            std::to_string(hi));
}

template <class T, int Lo, int Hi>
class Bounded {
public:
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;

    T& operator()(int i) { return a_[at(i)]; }
    const T& operator()(int i) const { return a_[at(i)]; }
    void fill(const T& v) { a_.fill(v); }
    bool operator==(const Bounded&) const = default;

private:
    static std::size_t at(int i)
    {
        if (i < Lo || i > Hi) BoundsError(i, Lo, Hi);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> a_{};
};

template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
class Bounded2 {
public:
    static constexpr int lo1 = Lo1, hi1 = Hi1, lo2 = Lo2, hi2 = Hi2;

    T& operator()(int i, int j) { return a_[at(i, j)]; }
    const T& operator()(int i, int j) const { return a_[at(i, j)]; }
    void fill(const T& v) { a_.fill(v); }
    bool operator==(const Bounded2&) const = default;
    // Row i as plain memory, for scans of a whole row that cannot stray from it.
    const T* row(int i) const { return &a_[at(i, Lo2)]; }

private:
    static constexpr int width = Hi2 - Lo2 + 1;
    static std::size_t at(int i, int j)
    {
        if (i < Lo1 || i > Hi1) BoundsError(i, Lo1, Hi1);
        if (j < Lo2 || j > Hi2) BoundsError(j, Lo2, Hi2);
        return static_cast<std::size_t>((i - Lo1) * width + (j - Lo2));
    }
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1)> a_{};
};

} // namespace tandrel
