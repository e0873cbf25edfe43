#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace quillor {

// Bounds-checked little- and big-endian reading over bytes held in memory. Every
// read either succeeds completely or fails and leaves the position unchanged, so a
// reader can never run past the end of what a file holds.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::span<const std::uint8_t> All() const { return bytes_; }

    bool Seek(std::size_t pos) {
        if (pos > bytes_.size()) return false;
        pos_ = pos;
        return true;
    }
    bool Skip(std::size_t n) {
        if (n > Remaining()) return false;
        pos_ += n;
        return true;
    }
    bool Read(void* out, std::size_t n) {
        if (n > Remaining()) return false;
        if (n != 0) std::memcpy(out, bytes_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    // Copies up to n bytes and returns how many there were.
    std::size_t ReadSome(void* out, std::size_t n) {
        const std::size_t take = n < Remaining() ? n : Remaining();
        if (take != 0) std::memcpy(out, bytes_.data() + pos_, take);
        pos_ += take;
        return take;
    }
    // A view of the next n bytes, or an empty span when fewer remain.
    std::span<const std::uint8_t> Take(std::size_t n) {
        if (n > Remaining()) return {};
        auto view = bytes_.subspan(pos_, n);
        pos_ += n;
        return view;
    }
    std::span<const std::uint8_t> Rest() const { return bytes_.subspan(pos_); }

    bool U8(std::uint8_t& v) { return Read(&v, 1); }
    bool U16(std::uint16_t& v) { return Le(v); }
    bool U32(std::uint32_t& v) { return Le(v); }
    bool I32(std::int32_t& v) {
        std::uint32_t u = 0;
        if (!Le(u)) return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool U16Be(std::uint16_t& v) { return Be(v); }
    bool U32Be(std::uint32_t& v) { return Be(v); }
    bool I16Be(std::int16_t& v) {
        std::uint16_t u = 0;
        if (!Be(u)) return false;
        v = static_cast<std::int16_t>(u);
        return true;
    }
    bool U64Be(std::uint64_t& v) { return Be(v); }

private:
    template <typename T>
    bool Le(T& v) {
        if (sizeof(T) > Remaining()) return false;
        T out = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            out |= static_cast<T>(static_cast<T>(bytes_[pos_ + i]) << (8 * i));
        v = out;
        pos_ += sizeof(T);
        return true;
    }
    template <typename T>
    bool Be(T& v) {
        if (sizeof(T) > Remaining()) return false;
        T out = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            out = static_cast<T>((out << 8) | bytes_[pos_ + i]);
        v = out;
        pos_ += sizeof(T);
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

}  // namespace quillor
