#include "sound/MidiFile.h"

#include <cstdint>

namespace tandrel {

namespace {

class Reader {
public:
    explicit Reader(std::string_view d) : d_(d) {}
    bool Left(std::size_t n) const { return d_.size() - at_ >= n; }
    bool Byte(unsigned& v)
    {
        if (!Left(1)) return false;
        v = static_cast<unsigned char>(d_[at_++]);
        return true;
    }
    bool Fixed(int bytes, std::uint32_t& v)
    {
        v = 0;
        for (unsigned b; bytes-- > 0;) {
            if (!Byte(b)) return false;
            v = v << 8 | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes.
    bool Var(std::uint32_t& v)
    {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            unsigned b;
            if (!Byte(b)) return false;
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool Skip(std::uint32_t n)
    {
        if (!Left(n)) return false;
        at_ += n;
        return true;
    }
    bool Tag(std::string_view& tag)
    {
        if (!Left(4)) return false;
        tag = d_.substr(at_, 4);
        at_ += 4;
        return true;
    }
    std::size_t At() const { return at_; }

private:
    std::string_view d_;
    std::size_t at_ = 0;
};

// One track's events, to its end marker; its length in ticks into `ticks`.
bool ReadTrack(std::string_view body, std::uint64_t& ticks)
{
    Reader r(body);
    unsigned status = 0;
    ticks = 0;
    for (;;) {
        std::uint32_t delta, len;
        unsigned b;
        if (!r.Var(delta) || !r.Byte(b)) return false;
        ticks += delta;
        if (b < 0x80) {
            if (status == 0) return false; // data with no status to run on
            if (status != 0xC0 && status != 0xD0 && !r.Skip(1)) return false;
            continue;
        }
        if (b == 0xFF) {
            unsigned type;
            if (!r.Byte(type) || !r.Var(len) || !r.Skip(len)) return false;
            if (type == 0x2F) return true;
            status = 0;
        } else if (b == 0xF0 || b == 0xF7) {
            if (!r.Var(len) || !r.Skip(len)) return false;
            status = 0;
        } else if (b >= 0xF0) {
            return false;
        } else {
            status = b & 0xF0;
            if (!r.Skip(status == 0xC0 || status == 0xD0 ? 1 : 2)) return false;
        }
    }
}

} // namespace

bool IsPlayableMidi(std::string_view data)
{
    Reader r(data);
    std::string_view tag;
    std::uint32_t length, format, tracks, division;
    if (!r.Tag(tag) || tag != "MThd" || !r.Fixed(4, length) || length != 6 || !r.Fixed(2, format) ||
        !r.Fixed(2, tracks) || !r.Fixed(2, division))
        return false;
    if (format > 2 || tracks == 0 || division == 0) return false;
    std::uint64_t longest = 0;
    while (tracks > 0) {
        if (!r.Tag(tag) || !r.Fixed(4, length) || !r.Left(length)) return false;
        if (tag == "MTrk") {
            std::uint64_t ticks;
            if (!ReadTrack(data.substr(r.At(), length), ticks)) return false;
            longest = ticks > longest ? ticks : longest;
            --tracks;
        }
        r.Skip(length);
    }
    return longest > 0;
}

} // namespace tandrel
