#pragma once

#include <optional>

#include "core/coxdib.h"
#include "tools/magnify.h"
#include "view/view_placement.h"

namespace quillor {

// The zoom after one step in by the magnify table, before the whole-number and cap rules.
double StepZoomIn(double zoom, const MagnifySettings& settings);
// The zoom after one step out by the magnify table, before the rules that follow it.
double StepZoomOut(double zoom, const MagnifySettings& settings);

// The zoom a magnify click in gives: a table step, or, for a dragged rectangle of some
// width and height, the larger of picture height / rectangle height and picture width /
// rectangle width; then whole numbers above 1 and at most kMaxZoom.
double ZoomInResult(double zoom, const MagnifySettings& settings, DibSize picture,
                    const std::optional<IntRect>& dragged = std::nullopt);
// The zoom a magnify click out gives: a table step; whole numbers above 1; anything not
// at least 0 becomes 1.0; and never fewer than kMinShownPixels window pixels across or
// down. Unzoom passes -1.0, which comes out as exactly 1.0 before that minimum.
double ZoomOutResult(double zoom, const MagnifySettings& settings, DibSize picture);

inline constexpr double kUnzoomRequest = -1.0;

// Picture point `centre` placed at the middle of the client area at `zoom`; the caller
// clamps the result with the placement rules.
Placement CentredOn(IntPoint centre, double zoom, ClientSize client);

// The centre of a dragged rectangle, the point a zoom to that rectangle centres on.
IntPoint CentreOf(const IntRect& rect);

// Where the pointer goes after a zoom: the middle of the client area.
IntPoint ClientCentre(ClientSize client);

}  // namespace quillor
