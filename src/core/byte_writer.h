#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillor {

// Where encoded bytes go. Write returns false once the destination has failed; the
// writer stays failed, so an encoder can check once at the end.
class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    virtual bool Write(const void* data, std::size_t size) = 0;

    bool U8(std::uint8_t v) { return Write(&v, 1); }
    bool U16(std::uint16_t v) {
        const std::uint8_t b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
        return Write(b, 2);
    }
    bool U32(std::uint32_t v) {
        const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                   std::uint8_t(v >> 24)};
        return Write(b, 4);
    }
    bool U16Be(std::uint16_t v) {
        const std::uint8_t b[2] = {std::uint8_t(v >> 8), std::uint8_t(v)};
        return Write(b, 2);
    }
    bool U32Be(std::uint32_t v) {
        const std::uint8_t b[4] = {std::uint8_t(v >> 24), std::uint8_t(v >> 16),
                                   std::uint8_t(v >> 8), std::uint8_t(v)};
        return Write(b, 4);
    }
    bool Text(std::string_view s) { return Write(s.data(), s.size()); }
};

class VectorWriter final : public ByteWriter {
public:
    bool Write(const void* data, std::size_t size) override {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
        return true;
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace quillor
