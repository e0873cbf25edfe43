#pragma once

#include <optional>

#include "tools/edit_view_port.h"

namespace quillor::testing {

// An edit view without a window, at zoom 1 and with the pointer over it, so that the
// tools paint and show their brush preview as they do for a user. It writes down the
// redraws and zooms the tools ask for.
class FakeEditView final : public EditViewPort {
public:
    explicit FakeEditView(CAnimDoc& document) : document_(document) {}
    CAnimDoc& Document() override { return document_; }
    void Redraw() override { ++redraws; }
    Placement GetPlacement() const override { return placement; }
    void SetPlacement(const Placement& p) override { placement = p; }
    void ZoomInAt(IntPoint p, const std::optional<IntRect>& r) override {
        zoomedIn = p;
        dragged = r;
    }
    void ZoomOutAt(IntPoint p) override { zoomedOut = p; }
    IntPoint PointerInWindow() const override { return pointer; }
    bool PointerHasEntered() const override { return true; }
    bool PointerInside() const override { return true; }
    void SetBusy(bool) override {}

    Placement placement{1.0, 0, 0};
    IntPoint pointer;
    int redraws = 0;
    std::optional<IntPoint> zoomedIn, zoomedOut;
    std::optional<IntRect> dragged;

private:
    CAnimDoc& document_;
};

}  // namespace quillor::testing
