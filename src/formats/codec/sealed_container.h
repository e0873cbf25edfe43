#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/byte_writer.h"

namespace quillor {

// The envelope shared by the password-capable formats (PAX, TLA). It carries one body,
// either as it is or, with a password, encrypted with XChaCha20-Poly1305 under a key
// that Argon2id derives from the password and a random salt. The envelope's header is
// authenticated with the body, so a wrong password and a tampered file look the same:
// the body does not open. docs/formats.md describes the bytes.

struct SealedFormat {
    std::array<char, 4> magic;
    std::string_view name;  // for error reasons: "PAX", "TLA"
};

inline constexpr std::size_t kSealedPlainHeaderBytes = 12;
inline constexpr std::size_t kSealedSaltBytes = 16;
inline constexpr std::size_t kSealedNonceBytes = 24;
inline constexpr std::size_t kSealedTagBytes = 16;
inline constexpr std::size_t kSealedProtectedHeaderBytes =
    kSealedPlainHeaderBytes + kSealedSaltBytes + kSealedNonceBytes;

// Work factors 1 (fast) to 6 (slow, 1 GiB of memory) choose Argon2id's cost.
inline constexpr int kMinWorkFactor = 1;
inline constexpr int kMaxWorkFactor = 6;

struct Argon2Cost {
    unsigned long long opsLimit = 0;
    std::size_t memLimit = 0;  // bytes
};

int ClampWorkFactor(int workFactor);
// The cost of a factor, clamped into 1..6 first.
Argon2Cost WorkFactorCost(int workFactor);

// True when the bytes are an envelope of this format whose body needs a password.
bool IsSealedProtected(std::span<const std::uint8_t> file, const SealedFormat& format);

// Writes the envelope around `body`. An empty password stores the body as it is (and
// ignores the work factor); otherwise it is encrypted with a fresh salt and nonce.
bool WriteSealed(ByteWriter& out, const SealedFormat& format, std::span<const std::uint8_t> body,
                 std::string_view password, int workFactor);

// The body taken out of an envelope: a view into the file when it was stored as it is,
// else the decrypted copy it owns.
class SealedBody {
public:
    SealedBody() = default;
    SealedBody(const SealedBody&) = delete;
    SealedBody& operator=(const SealedBody&) = delete;

    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    bool WasProtected() const { return protected_; }

private:
    friend bool OpenSealed(std::span<const std::uint8_t>, const SealedFormat&, std::string_view,
                           SealedBody&);
    std::vector<std::uint8_t> decrypted_;
    std::span<const std::uint8_t> bytes_;
    bool protected_ = false;
};

// Opens an envelope. A protected one needs its password: an empty password fails at
// once without deriving a key, a wrong one (or any damage) fails after one derivation.
// The password is ignored for an envelope that is not protected.
bool OpenSealed(std::span<const std::uint8_t> file, const SealedFormat& format,
                std::string_view password, SealedBody& body);

// Opens a protected envelope with its password and writes the same body as an
// unprotected envelope, so that what follows (size, pixels) needs no second derivation.
bool UnsealToPlain(std::span<const std::uint8_t> file, const SealedFormat& format,
                   std::string_view password, std::vector<std::uint8_t>& plain);

// How many keys this thread has derived, so callers can check a path stayed cheap.
std::uint64_t KeyDerivationCount();

}  // namespace quillor
