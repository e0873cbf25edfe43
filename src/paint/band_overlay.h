#pragma once

#include <cstdint>
#include <unordered_map>

#include "core/colour.h"
#include "core/geometry.h"

namespace quillor {

// A rubber band drawn over the frame: the points it covers and the colour each shows.
// A band costs what its outline costs, never a copy of the whole frame, and the frame
// itself is never touched until the tool draws for real.
class BandOverlay {
public:
    void Set(IntPoint p, TableWord shown) { points_[Key(p)] = shown; }
    void Erase(IntPoint p) { points_.erase(Key(p)); }
    void Clear() { points_.clear(); }
    bool Empty() const { return points_.empty(); }
    std::size_t Size() const { return points_.size(); }

    // Calls f(point, shown colour) for every point, in no particular order.
    template <typename F>
    void ForEach(F&& f) const {
        for (const auto& [key, shown] : points_) f(Point(key), shown);
    }

private:
    static std::uint64_t Key(IntPoint p) {
        return std::uint64_t(std::uint32_t(p.x)) << 32 | std::uint32_t(p.y);
    }
    static IntPoint Point(std::uint64_t key) {
        return {int(std::int32_t(std::uint32_t(key >> 32))), int(std::int32_t(std::uint32_t(key)))};
    }
    std::unordered_map<std::uint64_t, TableWord> points_;
};

}  // namespace quillor
