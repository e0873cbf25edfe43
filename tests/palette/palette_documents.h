// Documents for the palette tests: palette frames of 2, 16 or 256 colours (held as 8-bit
// pictures, as loading leaves them) and true-colour frames, filled from a seeded source.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/colour_mode.h"
#include "document/anim_doc.h"
#include "palette/palette_table.h"
#include "support/fake_document_environment.h"

namespace quillor::testing {

class PaletteDocument {
public:
    FakeDocumentEnvironment environment;
    CAnimDoc document{environment};
    std::mt19937 random{12345};

    // Appends a frame of `mode`, `width` x `height`, with random pixels (indices below
    // the colour count) and a random table; the first frame becomes current.
    AnimFrame& AddFrame(ColourMode mode, int width = 37, int height = 23) {
        const int index = document.HeldFrames();
        // AddFrames numbers what it adds from 0; this frame comes after the others.
        AnimFrame& frame = *document.AddFrames(1);
        frame.index = index;
        frame.colourMode = mode;
        frame.name = "frame" + std::to_string(index);
        const bool trueColour = mode == ColourMode::TrueColour;
        frame.image->CreateBlank(trueColour ? 24 : 8, width, height);
        frame.TakeSizeFromImage();
        const int count = ColourCountOf(mode);
        if (!trueColour)
            for (int i = 0; i < 256; ++i) frame.image->SetColour(std::uint8_t(i), RandomColour());
        for (int y = 0; y < height; ++y) {
            std::uint8_t* line = frame.image->Line(y);
            const int bytes = trueColour ? width * 3 : width;
            for (int x = 0; x < bytes; ++x) line[x] = std::uint8_t(random() % (trueColour ? 256 : count));
        }
        return frame;
    }
    AnimFrame& Frame(int index) { return *document.FindFrame(index); }

    ColourRef RandomColour() { return random() & 0xFFFFFFu; }

    // The colour every pixel shows, row by row.
    static std::vector<ColourRef> Shown(const COXDIB& image) {
        std::vector<ColourRef> shown;
        const DibSize size = image.GetSize();
        for (int y = 0; y < size.height; ++y) {
            const std::uint8_t* line = image.Line(y);
            for (int x = 0; x < size.width; ++x) {
                if (image.GetBitCount() == 24)
                    shown.push_back(MakeColour(line[3 * x + 2], line[3 * x + 1], line[3 * x]));
                else
                    shown.push_back(image.GetColour(line[x]));
            }
        }
        return shown;
    }
    static std::vector<std::uint8_t> Pixels(const COXDIB& image) {
        return {image.GetBits(), image.GetBits() + image.GetImageBytes()};
    }
    static std::array<ColourRef, 256> Table(const COXDIB& image) {
        std::array<ColourRef, 256> table{};
        for (int i = 0; i < 256; ++i) table[std::size_t(i)] = image.GetColour(std::uint8_t(i));
        return table;
    }
};

}  // namespace quillor::testing
