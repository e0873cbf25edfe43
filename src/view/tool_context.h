#pragma once

#include "view/magnify.h"
#include "view/tool_preferences.h"

namespace quillor {

class CAnimDoc;
struct AnimFrame;

// The painting state shared by every view: which view is active, where its picture lies,
// and the tool settings. One for the whole program; the tools arrive on top of it.
struct ToolContext {
    // The active view and what it shows; null when no view is active.
    const void* activeView = nullptr;
    CAnimDoc* document = nullptr;
    AnimFrame* currentImage = nullptr;

    // The active view's placement. Window pixels are device pixels: at zoom 1 one picture
    // pixel covers one pixel of the screen, whatever the screen's scale.
    double zoom = 1.0;
    int originX = 0;
    int originY = 0;
    // Device pixels per logical pixel on the active view's screen, for tools that measure
    // pointer movement in logical (screen) coordinates.
    double devicePixelRatio = 1.0;

    MagnifyType magnifyType = MagnifyType::Variable;
    unsigned magnifyFixed = 5;
    bool scrollPushOn = false;
    bool symmetryOn = false;
    bool fxBrushOn = false;

    ToolPreferences preferences;

    // Takes the settings from the preferences read at start, and puts them back before
    // they are written at exit.
    void ApplyPreferences();
    void CollectPreferences();
};

}  // namespace quillor
