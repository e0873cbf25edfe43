#pragma once

#include "platform/settings_store.h"

namespace quillor {

// The main window's normal-position rectangle and maximised state, kept in section
// "Last Window Size".
struct WindowPlacement {
    bool maximised = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // All four coordinates 0 means nothing was saved: keep the default placement.
    bool HasRectangle() const { return left != 0 || top != 0 || right != 0 || bottom != 0; }
    // A rectangle that could be shown at all: a positive size, within what a window
    // system's 16-bit coordinates can place.
    bool RectangleUsable() const {
        return HasRectangle() && right > left && bottom > top && left >= kMinCoordinate &&
               top >= kMinCoordinate && right <= kMaxCoordinate && bottom <= kMaxCoordinate;
    }
    static constexpr int kMinCoordinate = -32768;
    static constexpr int kMaxCoordinate = 32767;

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;
};

}  // namespace quillor
