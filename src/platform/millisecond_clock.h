#pragma once

#include <chrono>
#include <cstdint>

namespace quillor {

// Where playback and tools get the time, in milliseconds, so tests can control it.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual std::uint64_t NowMs() = 0;
};

// The machine's steady clock: never jumps when the wall clock is set.
class SteadyMillisecondClock final : public MillisecondClock {
public:
    std::uint64_t NowMs() override {
        return std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count());
    }
};

}  // namespace quillor
