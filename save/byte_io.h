#pragma once

#include <cstdint>
#include <cstring>
#include <ostream>

// Little-endian fields of the settings file and of the picture records. The reader never reads past the
// end of its bytes: a read that does not fit fails and leaves its target as
// it was.
class Byte_reader {
public:
    Byte_reader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    size_t left() const { return size_ - at_; }

    bool skip(size_t count) {
        if (count > left()) return false;
        at_ += count;
        return true;
    }

    // Any non-zero byte is true.
    bool flag(bool& out) {
        if (left() < 1) return false;
        out = data_[at_++] != 0;
        return true;
    }

    bool u8(uint8_t& out) {
        if (left() < 1) return false;
        out = data_[at_++];
        return true;
    }

    // The next `count` bytes, in place.
    bool take(size_t count, const unsigned char*& out) {
        if (count > left()) return false;
        out = data_ + at_;
        at_ += count;
        return true;
    }

    bool i32(int32_t& out) {
        uint32_t v = 0;
        if (!u(v, 4)) return false;
        out = static_cast<int32_t>(v);
        return true;
    }

    bool f64(double& out) {
        uint64_t v = 0;
        if (!u(v, 8)) return false;
        std::memcpy(&out, &v, 8);
        return true;
    }

private:
    template <class U>
    bool u(U& out, size_t width) {
        if (left() < width) return false;
        U v = 0;
        for (size_t i = 0; i < width; ++i) v |= static_cast<U>(data_[at_ + i]) << (8 * i);
        at_ += width;
        out = v;
        return true;
    }

    const unsigned char* data_;
    size_t size_;
    size_t at_ = 0;
};

inline void put_flag(std::ostream& out, bool v) { out.put(v ? 1 : 0); }

inline void put_i32(std::ostream& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void put_f64(std::ostream& out, double value) {
    uint64_t v = 0;
    std::memcpy(&v, &value, 8);
    for (int i = 0; i < 8; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}
