#include "paint/symmetry.h"

#include <cmath>

namespace quillor {

namespace {

constexpr double kFullTurn = 6.283185307;
constexpr int kTileReach = 5;

struct Polar {
    double radius;
    double angle;  // from the downward axis, x going with the sine
};

IntPoint AtAngle(IntPoint centre, const Polar& polar, double angle) {
    return {centre.x + int(std::sin(angle) * polar.radius), centre.y + int(std::cos(angle) * polar.radius)};
}

}  // namespace

std::vector<std::vector<IntPoint>> SymmetricCopies(const SymmetrySettings& settings,
                                                   std::span<const IntPoint> points) {
    std::vector<std::vector<IntPoint>> copies;
    if (settings.style == SymmetryStyle::Tile) {
        copies.reserve((2 * kTileReach + 1) * (2 * kTileReach + 1));
        for (int i = -kTileReach; i <= kTileReach; ++i) {
            for (int j = -kTileReach; j <= kTileReach; ++j) {
                std::vector<IntPoint>& copy = copies.emplace_back();
                for (const IntPoint& p : points)
                    copy.push_back({p.x + i * settings.width, p.y + j * settings.height});
            }
        }
        return copies;
    }

    const IntPoint centre{settings.centreX, settings.centreY};
    std::vector<Polar> polar;
    polar.reserve(points.size());
    for (const IntPoint& p : points) {
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        polar.push_back({std::sqrt(dx * dx + dy * dy), std::atan2(dx, dy)});
    }
    // No points would divide by zero; one is the action itself.
    const int count = settings.points < 1 ? 1 : settings.points;
    const double step = kFullTurn / count;
    const bool mirrored = settings.style == SymmetryStyle::MirroredCyclic;
    copies.reserve(std::size_t(mirrored ? 2 * count : count));
    for (int k = 0; k < count; ++k) {
        std::vector<IntPoint>& copy = copies.emplace_back();
        for (const Polar& q : polar) copy.push_back(AtAngle(centre, q, k * step + q.angle));
        if (!mirrored) continue;
        std::vector<IntPoint>& mirror = copies.emplace_back();
        for (const Polar& q : polar) mirror.push_back(AtAngle(centre, q, kFullTurn - (k * step + q.angle)));
    }
    return copies;
}

}  // namespace quillor
