#include "formats/codec/sealed_container.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <algorithm>
#include <vector>

namespace quillor {
namespace {

const SealedFormat kFormat{{'Q', 'T', 'S', 'T'}, "TEST"};
constexpr char kPassword[] = "Secret1";

std::vector<std::uint8_t> Seal(std::string_view password, int factor = 1) {
    std::vector<std::uint8_t> body(300);
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = std::uint8_t(i * 7 + 3);
    VectorWriter out;
    EXPECT_TRUE(WriteSealed(out, kFormat, body, password, factor));
    return out.Bytes();
}

bool OpensTo(std::span<const std::uint8_t> file, std::string_view password) {
    SealedBody body;
    return OpenSealed(file, kFormat, password, body) && body.Bytes().size() == 300 &&
           body.Bytes()[0] == 3 && body.Bytes()[299] == std::uint8_t(299 * 7 + 3);
}

// Each key derivation costs a fifth of a second, so one protected file serves every
// test and only the checks that are about the derivation pay for one.
class SealedContainerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sealed_ = new std::vector<std::uint8_t>(Seal(kPassword)); }
    static void TearDownTestSuite() { delete sealed_; }
    static const std::vector<std::uint8_t>& Sealed() { return *sealed_; }
    static inline std::vector<std::uint8_t>* sealed_ = nullptr;
};

TEST_F(SealedContainerTest, WithoutAPasswordTheBodyIsStoredAsItIs) {
    const std::uint64_t derivations = KeyDerivationCount();
    const auto file = Seal("", 5);
    EXPECT_EQ(file.size(), kSealedPlainHeaderBytes + 300);
    EXPECT_EQ(file[6], 0) << "no password, no encryption type";
    EXPECT_FALSE(IsSealedProtected(file, kFormat));
    EXPECT_TRUE(OpensTo(file, ""));
    EXPECT_TRUE(OpensTo(file, "ignored"));
    EXPECT_EQ(KeyDerivationCount(), derivations);
}

TEST_F(SealedContainerTest, AProtectedBodyOpensOnlyWithItsPassword) {
    EXPECT_TRUE(IsSealedProtected(Sealed(), kFormat));
    EXPECT_EQ(Sealed().size(), kSealedProtectedHeaderBytes + 300 + kSealedTagBytes);
    std::uint64_t derivations = KeyDerivationCount();
    EXPECT_FALSE(OpensTo(Sealed(), ""));
    EXPECT_EQ(KeyDerivationCount(), derivations) << "an empty password must not cost a derivation";
    EXPECT_FALSE(OpensTo(Sealed(), "secret1"));
    derivations = KeyDerivationCount();
    EXPECT_TRUE(OpensTo(Sealed(), kPassword));
    EXPECT_EQ(KeyDerivationCount(), derivations + 1);

    // A second seal must not reuse the salt, the nonce or, with them, the key stream.
    const auto again = Seal(kPassword);
    for (auto [from, to] : {std::pair{12, 28}, std::pair{28, 52}, std::pair{52, 60}})
        EXPECT_FALSE(std::equal(again.begin() + from, again.begin() + to, Sealed().begin() + from))
            << "bytes " << from << " to " << to;
}

TEST_F(SealedContainerTest, DamagedHeadersAndCutFilesFailBeforeAnyKeyIsDerived) {
    const auto plain = Seal("");
    const std::uint64_t derivations = KeyDerivationCount();
    for (const auto* original : {&plain, &Sealed()}) {
        for (std::size_t at = 0; at < kSealedPlainHeaderBytes; ++at) {
            auto damaged = *original;
            damaged[at] ^= 0xFF;
            EXPECT_FALSE(OpensTo(damaged, kPassword)) << "byte " << at;
        }
        for (std::size_t length = 0; length < original->size(); ++length)
            EXPECT_FALSE(OpensTo(std::span(original->data(), length), kPassword)) << length;
        auto extended = *original;
        extended.push_back(0);
        EXPECT_FALSE(OpensTo(extended, kPassword));
    }
    EXPECT_EQ(KeyDerivationCount(), derivations);
}

TEST_F(SealedContainerTest, AFlippedByteAnywhereInTheSealedPartIsDetected) {
    auto retyped = Sealed();
    retyped[6] = 2;  // the encryption type is authenticated with the body
    EXPECT_FALSE(OpensTo(retyped, kPassword));
    const std::size_t last = Sealed().size() - 1;
    // One byte of each part: salt, nonce, ciphertext (first and inside) and tag.
    for (std::size_t at : {12, 51, 52, 200, 367}) {
        ASSERT_LE(at, last);
        auto damaged = Sealed();
        damaged[at] ^= 0x01;
        EXPECT_FALSE(OpensTo(damaged, kPassword)) << "byte " << at;
    }
}

TEST(SealedWorkFactorTest, FactorsClampAndRiseFromInteractiveToSensitive) {
    EXPECT_EQ(ClampWorkFactor(-4), 1);
    EXPECT_EQ(ClampWorkFactor(0), 1);
    EXPECT_EQ(ClampWorkFactor(4), 4);
    EXPECT_EQ(ClampWorkFactor(7), 6);
    EXPECT_EQ(WorkFactorCost(1).opsLimit, crypto_pwhash_OPSLIMIT_INTERACTIVE);
    EXPECT_EQ(WorkFactorCost(1).memLimit, crypto_pwhash_MEMLIMIT_INTERACTIVE);
    EXPECT_EQ(WorkFactorCost(9).opsLimit, crypto_pwhash_OPSLIMIT_SENSITIVE);
    EXPECT_EQ(WorkFactorCost(9).memLimit, crypto_pwhash_MEMLIMIT_SENSITIVE);
    for (int factor = 2; factor <= kMaxWorkFactor; ++factor) {
        EXPECT_GE(WorkFactorCost(factor).opsLimit, WorkFactorCost(factor - 1).opsLimit);
        EXPECT_GT(WorkFactorCost(factor).memLimit, WorkFactorCost(factor - 1).memLimit);
    }
}

}  // namespace
}  // namespace quillor
