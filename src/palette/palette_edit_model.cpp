#include "palette/palette_edit_model.h"

#include <algorithm>
#include <cstdlib>

#include "document/anim_doc.h"
#include "palette/colour_models.h"
#include "palette/palette_order.h"
#include "palette/palette_table.h"
#include "platform/interaction.h"

namespace quillor {

namespace {

constexpr std::string_view kExcludeAdvice =
    "This will alter the image by excluding the selected colours in the palette.\nTherefore to "
    "undo, use 'Undo' on the main tool window.";
constexpr std::string_view kAdviceTitle = "Advice";

int Distance(ColourRef a, ColourRef b) {
    return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
           std::abs(BlueOf(a) - BlueOf(b));
}

ColourRef WithChannel(ColourRef colour, int channel, int value) {
    const auto v = std::uint8_t(value);
    switch (channel) {
        case 0: return MakeColour(v, GreenOf(colour), BlueOf(colour));
        case 1: return MakeColour(RedOf(colour), v, BlueOf(colour));
        default: return MakeColour(RedOf(colour), GreenOf(colour), v);
    }
}

}  // namespace

std::optional<int> PaletteEditModel::EntryAt(int x, int y) {
    if (!kGrid.Contains(x, y)) return std::nullopt;
    return (x - kGrid.left) / kCellWidth * 16 + (y - kGrid.top) / kCellHeight;
}

IntRect PaletteEditModel::CellOf(int entry) {
    const int left = kGrid.left + entry / 16 * kCellWidth;
    const int top = kGrid.top + entry % 16 * kCellHeight;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

bool PaletteEditModel::Selectable(CAnimDoc& document, int entry) {
    return entry >= 0 && entry < PaletteTable(document).Count();
}

void PaletteEditModel::Open(CAnimDoc& document) {
    mode_ = Mode::Rgb;
    pending_ = Pending::None;
    selected_ = anchor_ = rangeStart_ = rangeEnd_ = document.Foreground();
    current_ = PaletteTable(document).Get(selected_);
}

void PaletteEditModel::Follow(CAnimDoc& document) {
    const PaletteTable table(document);
    if (table.Valid() && selected_ < table.Count()) current_ = table.Get(selected_);
}

// --- The grid -----------------------------------------------------------------------------

void PaletteEditModel::LeftClick(CAnimDoc& document, int entry) {
    if (!Selectable(document, entry)) return;
    if (entry != selected_ || rangeStart_ != rangeEnd_) Select(document, entry, entry, entry);
    anchor_ = entry;
    document.SetForeground(std::uint8_t(entry));
}

void PaletteEditModel::RightClick(CAnimDoc& document, int entry) {
    if (!Selectable(document, entry)) return;
    if (entry != selected_ || rangeStart_ != rangeEnd_) Select(document, entry, entry, entry);
    anchor_ = entry;
    document.SetBackground(std::uint8_t(entry));
}

void PaletteEditModel::DragTo(CAnimDoc& document, int entry) {
    if (!Selectable(document, entry) || entry == selected_) return;
    Select(document, anchor_, entry, entry);
}

void PaletteEditModel::Select(CAnimDoc& document, int start, int end, int entry) {
    rangeStart_ = start;
    rangeEnd_ = end;
    if (pending_ != Pending::None) {
        PushUndo(document);
        PaletteTable table(document);
        std::array<ColourRef, 256> colours = table.All();
        const int low = std::min(copiedStart_, copiedEnd_);
        const int high = std::max(copiedStart_, copiedEnd_);
        if (pending_ == Pending::Copy || pending_ == Pending::Swap) {
            for (int b = low; b <= high; ++b) {
                const int d = entry + (b - low);
                if (d > 255) continue;  // past the table's end
                if (pending_ == Pending::Swap) {
                    colours[std::size_t(b)] = copied_[std::size_t(d)];
                }
                colours[std::size_t(d)] = copied_[std::size_t(b)];
            }
        } else if (entry != copiedStart_) {
            // From the entry the range was started at towards the one clicked, each
            // channel stepping evenly; the start keeps its colour.
            const int from = copiedStart_;
            const ColourRef a = colours[std::size_t(from)];
            const ColourRef b = copied_[std::size_t(entry)];
            const int steps = std::abs(entry - from);
            const int direction = entry > from ? 1 : -1;
            double channel[3] = {double(RedOf(a)), double(GreenOf(a)), double(BlueOf(a))};
            const double step[3] = {double(RedOf(b) - RedOf(a)) / steps, double(GreenOf(b) - GreenOf(a)) / steps,
                                    double(BlueOf(b) - BlueOf(a)) / steps};
            for (int k = 1; k <= steps; ++k) {
                for (int c = 0; c < 3; ++c) channel[c] += step[c];
                colours[std::size_t(from + k * direction)] =
                    MakeColour(std::uint8_t(channel[0]), std::uint8_t(channel[1]), std::uint8_t(channel[2]));
            }
        }
        table.SetAll(colours);
        pending_ = Pending::None;
    }
    selected_ = entry;
    current_ = PaletteTable(document).Get(entry);
}

void PaletteEditModel::HueStripPress(CAnimDoc& document, int x) {
    PushUndo(document);
    HueStripDrag(document, x);
}

void PaletteEditModel::HueStripDrag(CAnimDoc& document, int x) {
    current_ = HsvToRgb(std::clamp(x - kHueStrip.left, 0, 359), 100, 100);
    WriteCurrent(document);
}

// --- Range operations -----------------------------------------------------------------------

void PaletteEditModel::TakeOperation(CAnimDoc& document, Pending operation) {
    copied_ = PaletteTable(document).All();
    copiedStart_ = rangeStart_;
    copiedEnd_ = rangeEnd_;
    pending_ = operation;
}

void PaletteEditModel::PressCopy(CAnimDoc& document) { TakeOperation(document, Pending::Copy); }
void PaletteEditModel::PressSwap(CAnimDoc& document) { TakeOperation(document, Pending::Swap); }
void PaletteEditModel::PressSpread(CAnimDoc& document) { TakeOperation(document, Pending::Spread); }

std::string PaletteEditModel::StatusText(std::optional<int> entryUnderPointer) const {
    if (!entryUnderPointer) return {};
    const std::string number = "(" + std::to_string(*entryUnderPointer) + ")";
    switch (pending_) {
        case Pending::Copy: return "COPY " + number;
        case Pending::Swap: return "SWAP " + number;
        case Pending::Spread: return "SPRD " + number;
        case Pending::None: break;
    }
    return number;
}

std::string PaletteEditModel::SelectionText() const {
    const int low = std::min(rangeStart_, rangeEnd_);
    const int high = std::max(rangeStart_, rangeEnd_);
    if (low == high) return std::to_string(low);
    return std::to_string(low) + " - " + std::to_string(high);
}

// --- Sliders --------------------------------------------------------------------------------

std::array<int, 3> PaletteEditModel::SliderValues() const {
    if (mode_ == Mode::Rgb) return {RedOf(current_), GreenOf(current_), BlueOf(current_)};
    const Hsv hsv = RgbToHsv(current_);
    return {int(hsv.h), int(hsv.s * 100.0), int(hsv.v * 100.0)};
}

int PaletteEditModel::SliderMaximum(int component) const {
    if (mode_ == Mode::Rgb) return 255;
    return component == 0 ? 359 : 100;
}

std::string_view PaletteEditModel::SliderLabel(int component) const {
    static constexpr std::string_view kRgb[] = {"R", "G", "B"};
    static constexpr std::string_view kHsv[] = {"H", "S", "V"};
    const int c = std::clamp(component, 0, 2);
    return mode_ == Mode::Rgb ? kRgb[c] : kHsv[c];
}

void PaletteEditModel::SetComponent(CAnimDoc& document, int component, int value) {
    if (component < 0 || component > 2) return;
    value = std::clamp(value, 0, SliderMaximum(component));
    if (mode_ == Mode::Rgb) {
        current_ = WithChannel(current_, component, value);
    } else {
        // The other two components as the current colour has them, not as the sliders
        // show them truncated, so that moving one does not drag the others down.
        const Hsv hsv = RgbToHsv(current_);
        double h = hsv.h, s = hsv.s * 100.0, v = hsv.v * 100.0;
        (component == 0 ? h : component == 1 ? s : v) = value;
        current_ = HsvToRgb(h, s, v);
    }
    WriteCurrent(document);
}

void PaletteEditModel::WriteCurrent(CAnimDoc& document) { PaletteTable(document).Set(selected_, current_); }

// --- The window's own undo ------------------------------------------------------------------

void PaletteEditModel::PushUndo(CAnimDoc& document) {
    if (position_ == kUndoSteps - 1) {
        // Full: the oldest table goes to make room at the top.
        std::move(ring_.begin() + 1, ring_.end(), ring_.begin());
    } else {
        ++position_;
    }
    newest_ = position_;
    ring_[std::size_t(position_)] = PaletteTable(document).All();
}

namespace {

// Puts `kept` into the table and the table's colours into `kept`.
void Exchange(CAnimDoc& document, std::array<ColourRef, 256>& kept) {
    PaletteTable table(document);
    const std::array<ColourRef, 256> now = table.All();
    table.SetAll(kept);
    kept = now;
}

}  // namespace

void PaletteEditModel::Undo(CAnimDoc& document) {
    if (pending_ == Pending::Copy) {
        pending_ = Pending::None;
        return;
    }
    if (position_ < 0) return;
    Exchange(document, ring_[std::size_t(position_)]);
    --position_;
    current_ = PaletteTable(document).Get(selected_);
}

void PaletteEditModel::Redo(CAnimDoc& document) {
    if (!CanRedo()) return;
    ++position_;
    Exchange(document, ring_[std::size_t(position_)]);
    current_ = PaletteTable(document).Get(selected_);
}

// --- Exclude --------------------------------------------------------------------------------

bool PaletteEditModel::ExcludeEnabled(CAnimDoc& document) const {
    const PaletteTable table(document);
    return table.Valid() && !table.TrueColour();
}

void PaletteEditModel::Exclude(CAnimDoc& document, Interaction& ui) {
    if (!ExcludeEnabled(document)) return;
    ui.ShowMessage(kExcludeAdvice, kAdviceTitle, MessageIcon::Information);
    PaletteTable table(document);
    const int count = table.Count();
    const int low = std::min(rangeStart_, rangeEnd_);
    const int high = std::max(rangeStart_, rangeEnd_);
    const std::array<ColourRef, 256> colours = table.All();
    std::array<std::uint8_t, 256> map{};
    for (int c = 0; c < 256; ++c) map[std::size_t(c)] = std::uint8_t(c);
    for (int c = low; c <= high && c < count; ++c) {
        // With the whole table selected there is no candidate, and entry 0 it is.
        int best = 0;
        int bestDistance = 999;
        for (int d = 0; d < count; ++d) {
            if (d >= low && d <= high) continue;
            const int distance = Distance(colours[std::size_t(c)], colours[std::size_t(d)]);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = d;
            }
        }
        map[std::size_t(c)] = std::uint8_t(best);
    }
    document.Undo().PushWholeFrame(document);
    {
        WaitCursor wait(ui);
        RenumberPixels(*table.Frame()->image, map);
    }
    document.FramesChanged(table.Frame()->index);
}

}  // namespace quillor
