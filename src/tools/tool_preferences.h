#pragma once

#include "platform/settings_store.h"

namespace quillor {

// The range a tool setting may take. Values outside it are pulled back to its nearest
// end, whether they come from a dialog or from a hand-edited settings file.
struct PreferenceRange {
    int minimum;
    int maximum;
    constexpr int Clamp(int value) const {
        return value < minimum ? minimum : value > maximum ? maximum : value;
    }
};

namespace preference_ranges {
inline constexpr PreferenceRange kFlag{0, 1};
// Every spray step scatters up to this many points over a disc of this radius.
inline constexpr PreferenceRange kSpray{1, 999};
// Each symmetric copy replays the tool's action, so the copies are held to what a
// 3-digit edit holds.
inline constexpr PreferenceRange kSymmetryStyle{0, 2};
inline constexpr PreferenceRange kSymmetryPoints{1, 999};
// A tile is at least a pixel and at most the largest picture.
inline constexpr PreferenceRange kSymmetrySide{1, 65535};
// The centre may lie off the picture, but not further off than a picture is large.
inline constexpr PreferenceRange kSymmetryCentre{-65535, 2 * 65535};
// A factor below 1 would shrink on zoom in (0 would divide by zero on zoom out); above
// the largest zoom it could never be reached.
inline constexpr PreferenceRange kMagnifyFixed{1, 40};
inline constexpr PreferenceRange kMagnifyType{0, 7};
inline constexpr PreferenceRange kPercent{0, 100};
// An opacity of 0 would paint nothing at all.
inline constexpr PreferenceRange kOpacity{1, 100};
inline constexpr PreferenceRange kFxType{0, 1};
inline constexpr PreferenceRange kControlledType{0, 4};
}  // namespace preference_ranges

// The tool settings kept in section "Preferences": read when the main window is created,
// written back when it closes. Every value read is brought into its range here, so
// nothing later has to trust the file.
struct ToolPreferences {
    int circleOnly = 0;
    int squareOnly = 1;
    int spraySize = 30;
    int sprayDensity = 100;
    int symmetryStyle = 1;
    int symmetryPoints = 6;
    int symmetryWidth = 320;
    int symmetryHeight = 200;
    int symmetryCentreX = 160;
    int symmetryCentreY = 100;
    int magnifyFixed = 5;
    int magnifyType = 7;
    int brushRotateGuideOnly = 0;
    int brushAntiAlias = 0;
    int brushBilinearStretch = 1;
    int animatedBrush = 1;
    int blackInsert = 0;
    int fxType = 0;               // 0 smooth/blur, 1 transparency/tint
    int fxOpacity = 50;           // percent opaque
    int fxControlledType = 4;     // left to right, right to left, top to bottom, bottom to top, centre outwards
    int fxTransparencyMode = 1;   // 1 one opacity for the whole brush, 0 a gradient across it
    int fxFrom = 100;             // percent opaque where the gradient starts
    int fxTo = 0;                 // and where it ends
    int redEyeSaturation = 50;    // percent red may dominate before it is reduced
    int redEyeRange = 50;         // width of the red band, percent

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;
    // Brings every value into its range.
    void Clamp();
};

}  // namespace quillor
