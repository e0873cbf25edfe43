#pragma once

#include "platform/settings_store.h"

namespace quillor {

// The tool settings kept in section "Preferences": read when the main window is created,
// written back when it closes.
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

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;
};

}  // namespace quillor
