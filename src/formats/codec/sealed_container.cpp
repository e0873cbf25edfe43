#include "formats/codec/sealed_container.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "core/byte_reader.h"
#include "formats/codec/codec_error.h"

namespace quillor {

namespace {

constexpr std::uint8_t kVersion = 1;
constexpr std::uint8_t kProtectedFlag = 0x01;
constexpr std::size_t kKeyBytes = 32;

static_assert(kSealedSaltBytes == crypto_pwhash_SALTBYTES);
static_assert(kSealedNonceBytes == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kSealedTagBytes == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(kKeyBytes == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

// Factor 1 is libsodium's "interactive" cost and 6 its "sensitive" one; the steps
// between roughly double the time each, so a user can trade opening speed for strength.
constexpr Argon2Cost kCosts[kMaxWorkFactor] = {
    {2, std::size_t(64) << 20},  {2, std::size_t(128) << 20}, {3, std::size_t(256) << 20},
    {3, std::size_t(512) << 20}, {4, std::size_t(768) << 20}, {4, std::size_t(1024) << 20},
};

thread_local std::uint64_t t_derivations = 0;

struct Header {
    std::uint8_t version = 0;
    std::uint8_t flags = 0;
    std::uint8_t workFactor = 0;
    std::uint32_t payloadBytes = 0;
    std::span<const std::uint8_t> salt;
    std::span<const std::uint8_t> nonce;
    std::size_t headerBytes = 0;
    bool Protected() const { return (flags & kProtectedFlag) != 0; }
};

bool SodiumReady() {
    // Safe to call from any thread, any number of times; it only does work once.
    if (sodium_init() < 0) return CodecFail("the cryptography library could not start");
    return true;
}

bool MagicMatches(std::span<const std::uint8_t> file, const SealedFormat& format) {
    return file.size() >= 4 && std::memcmp(file.data(), format.magic.data(), 4) == 0;
}

bool Fail(const SealedFormat& format, const char* reason) {
    return CodecFail(std::string(format.name) + " file: " + reason);
}

// Checks everything that can be checked without the password, so damage and foreign
// files are refused before any key is derived.
bool ParseHeader(std::span<const std::uint8_t> file, const SealedFormat& format, Header& h) {
    if (!MagicMatches(file, format)) return Fail(format, "wrong signature");
    ByteReader r(file);
    std::uint8_t reserved = 0;
    if (!r.Skip(4) || !r.U8(h.version) || !r.U8(h.flags) || !r.U8(h.workFactor) ||
        !r.U8(reserved) || !r.U32(h.payloadBytes))
        return Fail(format, "header cut short");
    if (h.version != kVersion) return Fail(format, "unknown version");
    if ((h.flags & ~kProtectedFlag) != 0 || reserved != 0) return Fail(format, "unknown flags");
    if (h.Protected()) {
        if (h.workFactor < kMinWorkFactor || h.workFactor > kMaxWorkFactor)
            return Fail(format, "unknown encryption type");
        h.salt = r.Take(kSealedSaltBytes);
        h.nonce = r.Take(kSealedNonceBytes);
        if (h.salt.empty() || h.nonce.empty()) return Fail(format, "header cut short");
        if (h.payloadBytes < kSealedTagBytes) return Fail(format, "encrypted body too short");
    } else if (h.workFactor != 0) {
        return Fail(format, "encryption type on an unprotected file");
    }
    h.headerBytes = r.Position();
    if (r.Remaining() != h.payloadBytes) return Fail(format, "length does not match the file");
    return true;
}

bool DeriveKey(std::uint8_t (&key)[kKeyBytes], std::string_view password,
               std::span<const std::uint8_t> salt, int workFactor) {
    const Argon2Cost cost = WorkFactorCost(workFactor);
    ++t_derivations;
    return crypto_pwhash(key, kKeyBytes, password.data(), password.size(), salt.data(),
                         cost.opsLimit, cost.memLimit, crypto_pwhash_ALG_ARGON2ID13) == 0;
}

}  // namespace

int ClampWorkFactor(int workFactor) {
    return std::clamp(workFactor, kMinWorkFactor, kMaxWorkFactor);
}

Argon2Cost WorkFactorCost(int workFactor) {
    return kCosts[ClampWorkFactor(workFactor) - 1];
}

bool IsSealedProtected(std::span<const std::uint8_t> file, const SealedFormat& format) {
    Header h;
    return ParseHeader(file, format, h) && h.Protected();
}

bool WriteSealed(ByteWriter& out, const SealedFormat& format, std::span<const std::uint8_t> body,
                 std::string_view password, int workFactor) {
    const bool protect = !password.empty();
    const std::uint64_t payloadBytes = std::uint64_t(body.size()) + (protect ? kSealedTagBytes : 0);
    if (payloadBytes > 0xFFFFFFFFu) return Fail(format, "picture too large");

    std::vector<std::uint8_t> header;
    {
        VectorWriter w;
        w.Write(format.magic.data(), 4);
        w.U8(kVersion);
        w.U8(protect ? kProtectedFlag : 0);
        w.U8(protect ? std::uint8_t(ClampWorkFactor(workFactor)) : 0);
        w.U8(0);
        w.U32(std::uint32_t(payloadBytes));
        header = std::move(w.Bytes());
    }
    if (!protect) {
        if (!out.Write(header.data(), header.size()) || !out.Write(body.data(), body.size()))
            return CodecFail("could not write the file");
        return true;
    }

    if (!SodiumReady()) return false;
    const std::size_t saltAt = header.size();
    header.resize(kSealedProtectedHeaderBytes);
    randombytes_buf(header.data() + saltAt, kSealedSaltBytes);
    randombytes_buf(header.data() + saltAt + kSealedSaltBytes, kSealedNonceBytes);
    const std::span<const std::uint8_t> salt(header.data() + saltAt, kSealedSaltBytes);
    const std::uint8_t* nonce = header.data() + saltAt + kSealedSaltBytes;

    std::vector<std::uint8_t> cipher;
    try {
        cipher.resize(std::size_t(payloadBytes));
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory to encrypt the picture");
    }
    std::uint8_t key[kKeyBytes];
    if (!DeriveKey(key, password, salt, ClampWorkFactor(workFactor))) {
        sodium_memzero(key, sizeof key);
        return CodecFail("not enough memory to derive the key");
    }
    unsigned long long cipherBytes = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(cipher.data(), &cipherBytes, body.data(),
                                               body.size(), header.data(), header.size(), nullptr,
                                               nonce, key);
    sodium_memzero(key, sizeof key);
    if (!out.Write(header.data(), header.size()) || !out.Write(cipher.data(), cipher.size()))
        return CodecFail("could not write the file");
    return true;
}

bool OpenSealed(std::span<const std::uint8_t> file, const SealedFormat& format,
                std::string_view password, SealedBody& body) {
    body.decrypted_.clear();
    body.bytes_ = {};
    body.protected_ = false;
    Header h;
    if (!ParseHeader(file, format, h)) return false;
    const std::span<const std::uint8_t> payload = file.subspan(h.headerBytes);
    if (!h.Protected()) {
        body.bytes_ = payload;
        return true;
    }
    body.protected_ = true;
    if (password.empty()) return Fail(format, "password required");
    if (!SodiumReady()) return false;

    try {
        body.decrypted_.resize(payload.size() - kSealedTagBytes);
    } catch (const std::bad_alloc&) {
        return CodecFail("not enough memory to decrypt the picture");
    }
    std::uint8_t key[kKeyBytes];
    if (!DeriveKey(key, password, h.salt, h.workFactor)) {
        sodium_memzero(key, sizeof key);
        return CodecFail("not enough memory to derive the key");
    }
    unsigned long long plainBytes = 0;
    const int opened = crypto_aead_xchacha20poly1305_ietf_decrypt(
        body.decrypted_.data(), &plainBytes, nullptr, payload.data(), payload.size(), file.data(),
        h.headerBytes, h.nonce.data(), key);
    sodium_memzero(key, sizeof key);
    if (opened != 0) {
        body.decrypted_.clear();
        return Fail(format, "wrong password or damaged file");
    }
    body.bytes_ = body.decrypted_;
    return true;
}

std::uint64_t KeyDerivationCount() {
    return t_derivations;
}

bool UnsealToPlain(std::span<const std::uint8_t> file, const SealedFormat& format,
                   std::string_view password, std::vector<std::uint8_t>& plain) {
    SealedBody body;
    if (!OpenSealed(file, format, password, body)) return false;
    VectorWriter out;
    if (!WriteSealed(out, format, body.Bytes(), {}, kMinWorkFactor)) return false;
    plain = std::move(out.Bytes());
    return true;
}

}  // namespace quillor
