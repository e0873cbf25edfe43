#include "paint/spray.h"

#include <algorithm>

namespace quillor {

namespace {

constexpr double kUnit = 1.0 / 32767;

}  // namespace

std::vector<IntPoint> SprayPoints(IntPoint centre, int size, int density, RandomSource& random) {
    // Sizes and densities outside the settings' range come only from a damaged settings
    // file; they are held to it.
    const int radius = std::clamp(size, 1, 999);
    const int count = std::clamp(density, 1, kMaxSprayDensity);
    std::vector<IntPoint> points;
    points.reserve(std::size_t(count));
    while (int(points.size()) < count) {
        // The radius is drawn before the point, so the points gather towards the centre.
        const int a = radius - int(random.Next() * kUnit * radius);
        const float across = float(2 * a);
        const int u = int(random.Next() * kUnit * across) - a;
        const int v = int(random.Next() * kUnit * across) - a;
        if (u * u + v * v <= a * a) points.push_back({centre.x + u, centre.y + v});
    }
    return points;
}

}  // namespace quillor
