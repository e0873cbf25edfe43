#pragma once

#include <cstdint>
#include <random>

namespace quillor {

// Where tools get their randomness, so tests can make it repeatable.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer from 0 to 32767.
    virtual int Next() = 0;
};

class StandardRandomSource final : public RandomSource {
public:
    explicit StandardRandomSource(std::uint32_t seed = std::random_device{}()) : engine_(seed) {}
    int Next() override { return int(engine_() & 0x7FFF); }

private:
    std::minstd_rand engine_;
};

}  // namespace quillor
