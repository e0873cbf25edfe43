#pragma once

#include <memory>
#include <string>

#include "core/colour_mode.h"
#include "core/coxdib.h"

namespace quillor {

// One frame of a document: a picture with its file name, size and colour mode. Frames of
// 2 and 16 colours hold 8-bit images whose indices stay below 2 or 16.
struct AnimFrame {
    int index = 0;
    ColourMode colourMode = ColourMode::TrueColour;
    std::string name;
    int width = 0;
    int height = 0;
    std::unique_ptr<COXDIB> image = std::make_unique<COXDIB>();
    // Layers only.
    bool layerOn = true;
    bool smoothEdges = false;
    bool opacityOn = false;
    int opacity = 100;

    // Width and height from the image, after every load or creation.
    void TakeSizeFromImage() {
        const DibSize size = image->GetSize();
        width = size.width;
        height = size.height;
    }
};

}  // namespace quillor
