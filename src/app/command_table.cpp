#include "app/command_table.h"

#include <array>

namespace quillor {

namespace {

using namespace cmd;

constexpr CommandInfo kCommands[] = {
    {kNew, "&New", "Ctrl+N", "document-new", "", "Create a new image or animation"},
    {kOpen, "&Open...", "Ctrl+O", "document-open", "", "Open an image or animation"},
    {kSave, "&Save", "S", "document-save", "", "Save the picture", "Ctrl+S"},
    {kSaveAs, "Save &As...", "", "document-save-as", "", "Save the picture under a new name"},
    {kCopy, "&Copy", "Ctrl+C", "edit-copy", "", "Copy the frame to the clipboard"},
    {kPasteImage, "Paste Image From Clipboard", "Ctrl+V", "edit-paste", "",
     "Make a new image from the clipboard"},
    {kDuplicateImage, "Duplicate Image", "", "", "duplicate-image", "Make a copy of the picture"},
    {kImageFromBrush, "Make New Image From Brush", "", "", "image-from-brush",
     "Make a new image from the grabbed brush"},
    {kPrint, "&Print...", "Ctrl+P", "document-print", "", "Print the frame"},
    {kPrintPreview, "Print Pre&view...", "", "document-print-preview", "", "Preview the printed page"},
    {kPrintSetup, "&P&rint Setup...", "", "document-page-setup", "", "Choose the printer and page"},
    {kNewWindow, "&New Window", "", "window-new", "", "Open another window on this picture"},
    {kHelp, "&Help", "Shift+F1", "help-contents", "", "Read the help"},
    {kBrowse, "&Browse...", "F1", "folder-pictures", "", "Browse a folder of pictures as thumbnails"},
    {kBatchRemap, "&Batch Remap 256 Colour BMP Palettes", "", "", "",
     "Give a folder of 256-colour BMP files the palette of one of them"},
    {kSequentialRename, "Batch &Sequential File Rename...", "", "", "",
     "Rename files to a common name and a running number"},
    {kDotRename, "Remove or Add &Dots in File Names...", "", "", "",
     "Take the first of several dots out of file names, or put one in"},
    {kFileAssociations, "File &Associations...", "", "", "",
     "Choose the picture types the desktop opens with Quillor"},
    {kExit, "E&xit", "", "application-exit", "", "Quit Quillor"},
    {kImageNew, "&New", "", "", "image-new", "Create a new image"},
    {kImageOpen, "&Open...", "", "", "image-open", "Open an image file"},
    {kAnimNew, "&New", "", "", "anim-new", "Create a new animation"},
    {kAnimOpen, "&Open...", "", "", "anim-open", "Open an animation sequence script or a movie"},
    {kCompose, "Compose Animation Sequen&ce...", "", "", "anim-compose",
     "Make an animation from image files"},
    {kDuplicateFrame, "&Duplicate Frame", "D", "", "", "Insert a copy of this frame after it"},
    {kDeleteFrame, "&Delete Frame", "Ctrl+D", "", "", "Remove this frame from the animation"},
    {kChangeFrameName, "&Change Frame Name", "N", "", "", "Rename this frame's image file"},
    {kBackFrame, "Go &Back Frame", "1", "media-skip-backward", "", "Show the previous frame"},
    {kAdvanceFrame, "Ad&vance Frame", "2", "media-skip-forward", "", "Show the next frame"},
    {kGotoFrame, "&Go to Frame", "3", "", "", "Show the frame with a given number"},
    {kPlayLoop, "Play &Loop", "4", "media-playlist-repeat", "", "Play the animation over and over"},
    {kPlayOnce, "Play &Once", "5", "media-playback-start", "", "Play the animation once"},
    {kPlayPingPong, "Play Ping-Pong", "6", "", "anim-ping-pong", "Play the animation forwards and backwards"},
    {kStopAnimation, "Stop Animation", "Space", "media-playback-stop", "",
     "Stop the animation, or play it on from where it stopped"},
    {kAnimationControls, "&Animation Controls", "0", "", "anim-controls",
     "Choose the frames to play and the rate"},
    {kViewCompiled, "&View Compiled Layered Image", "K", "", "", "Compose the visible layers and show the result"},
    {kLayerOn, "&Turn On Layer", "L", "", "", "Show this layer in the composed image"},
    {kLayerOff, "&Turn Off Layer", "Ctrl+L", "", "", "Leave this layer out of the composed image"},
    {kLayerSettings, "Current Layer's &Settings", "J", "", "", "Edge smoothing and opacity of this layer"},
    {kChangeColours, "&Change Number of Colours...", "", "", "image-colours",
     "Convert this frame to 2, 16 or 256 colours or true colour", {}, CommandKind::Plain,
     "Change Number of Colours"},
    {kResizeCrop, "&Resize/Crop...", "", "", "image-resize", "Give every frame a new size, rescaled or cropped",
     {}, CommandKind::Plain, "Resize/Crop"},
    {kFlipHorizontal, "&Flip Image Horizontally", "", "object-flip-horizontal", "", "Mirror this frame left to right"},
    {kFlipVertical, "Flip Image &Vertically", "", "object-flip-vertical", "", "Mirror this frame top to bottom"},
    {kSharpen, "&Sharpen Image...", "", "", "", "Sharpen this true-colour frame"},
    {kDespeckle, "De-speckle Ima&ge", "", "", "", "Remove single-pixel speckles from this true-colour frame"},
    {kBlur, "&Blur Image...", "", "", "", "Blur this true-colour frame"},
    {kSimplify, "Si&mplify Image (Oil Painting)...", "", "", "", "Smooth this true-colour frame into patches"},
    {kAutoBrightness, "&Auto Correct Brightness", "", "", "", "Spread the greys of this true-colour frame"},
    {kBlackAndWhite, "Blac&k And White", "", "", "", "Turn every colour of this frame grey"},
    {kNegative, "&Negative", "", "", "", "Invert every colour of this frame"},
    {kColourBalance, "Colour &Balance/Brightness...", "", "", "adjust-balance",
     "Shift the red, green and blue of this frame", {}, CommandKind::Plain, "Colour Balance/Brightness"},
    {kContrast, "Con&trast Adjustment...", "", "", "adjust-contrast", "Change the contrast of this frame", {},
     CommandKind::Plain, "Contrast Adjustment"},
    {kGamma, "&Gamma Correction...", "", "", "adjust-gamma", "Brighten or darken the middle tones of this frame",
     {}, CommandKind::Plain, "Gamma Correction"},
    {kClampFrame, "Clamp Frame", "F", "", "tool-clamp-frame", "Show the frame at its own size"},
    {kZoomIn, "Zoom Into Image", "X", "zoom-in", "", "Zoom in at the pointer"},
    {kZoomOut, "Zoom Out Of Image", "Z", "zoom-out", "", "Zoom out at the pointer"},
    {kUnzoom, "Unzoom Image", "Return", "zoom-original", "", "Show the picture at its own size"},
    {kCascade, "&Cascade", "", "", "", "Arrange the windows overlapping"},
    {kTile, "&Tile", "", "", "", "Arrange the windows side by side"},
    {kCloseWindow, "Cl&ose", "Ctrl+F4", "window-close", "", "Close the window"},
    {kAbout, "&About Quillor", "", "help-about", "", "Version and licence"},
    {kEditUndo, "&Undo", "Ctrl+U", "edit-undo", "", "Undo the last change", "Ctrl+Z"},
    {kEditRedo, "&Redo", "Ctrl+R", "edit-redo", "", "Redo the change undone", "Ctrl+Y"},
    {kEditClear, "C&lear", "", "edit-clear", "", "Fill the frame with the background colour"},
    {kChooseBrushShape, "Choose Paint Brush Shape", "Q", "", "tool-brush-shape", "Choose the brush's shape and size"},
    {kUsePaintTool, "Use Paint Tool", "A", "", "", "Paint free-hand"},
    {kSinglePixelBrush, "Use Single Pixel Brush", "Ctrl+1", "", "", "Paint with a single pixel"},
    {kRestorePreviousBrush, "Restore Previous Brush", "R", "", "", "Go back to the brush used before"},
    {kSingleColour, "Single Colour", "", "", "", "Paint the brush in the foreground colour only"},
    {kNextBrushImage, "Next Animated Brush Image", "8", "", "", "Next frame of the animated brush"},
    {kPreviousBrushImage, "Previous Animated Brush Image", "7", "", "", "Previous frame of the animated brush"},
    {kFirstBrushImage, "First Animated Brush Image", "9", "", "", "First frame of the animated brush"},
    {kAnimatedBrushSettings, "Animated Brush Settings...", "", "", "", "How many frames a grab takes and when the brush moves on"},
    {kAnimatedBrushes, "Use Animated Brushes", "Ctrl+A", "", "", "Grab animated brushes", {}, CommandKind::Toggle},
    {kAntiAlias, "Anti Alias True Colour Brush Pasting", "", "", "", "Soften the brush's edges on true-colour pictures", {}, CommandKind::Toggle},
    {kRotationGuideOnly, "Brush Rotation - Guide Only ", "", "", "", "Show only a guide while rotating the brush", {}, CommandKind::Toggle},
    {kBilinearResize, "Use Bi-linear Interpolation For Resizing", "", "", "", "Smooth resized brushes", {}, CommandKind::Toggle},
    {kBrushQuarterTurn, "Rotate 90\u00b0 Clockwise", "#", "object-rotate-right", "", "Turn the brush a quarter clockwise"},
    {kBrushFlipHorizontal, "Flip Horizontally", "H", "object-flip-horizontal", "", "Mirror the brush left to right"},
    {kBrushFlipVertical, "Flip Vertically", "V", "object-flip-vertical", "", "Mirror the brush top to bottom"},
    {kBrushDouble, "Double Size", ">", "", "", "Make the grabbed brush twice as large"},
    {kBrushHalve, "Halve Size", "<", "", "", "Make the grabbed brush half as large"},
    {kBrushResize, "Resize...", "", "", "", "Give the grabbed brush a new size or scale it by a ratio"},
    {kBrushHandle, "Handle", "", "", "", "Drag to move the point of the brush that follows the pointer"},
    {kBrushStretch, "Stretch", "", "", "brush-stretch", "Drag to stretch the grabbed brush from its top-left corner"},
    {kBrushRotate, "Rotate", "", "", "", "Drag round a point to turn the grabbed brush"},
    {kBrushDeform, "Deform...", "", "", "brush-deform", "Reshape the grabbed brush by dragging its four corners"},
    {kBrushEnlarge, "Enlarge Brush Size", "", "", "", "Make the grabbed brush two pixels larger each way"},
    {kBrushShrink, "Shrink Brush Size", "", "", "", "Make the grabbed brush two pixels smaller each way"},
    {kSaveBrushAs, "Save Brush As...", "", "", "", "Save the brush, with all its frames, as a brush file"},
    {kLoadBrush, "Load Brush...", "", "", "", "Load a brush file as the brush of its colour depth"},
    {kDarkToLight, "Dark To Light", "", "", "", "Order the palette from dark to light, the picture unchanged"},
    {kLightToDark, "Light To Dark", "", "", "", "Order the palette from light to dark, the picture unchanged"},
    {kGroupHues, "Group R, G && B", "", "", "", "Order the palette by hue, greys first, the picture unchanged"},
    {kRemapToBrushPalette, "Remap To Brush Palette", "", "", "", "Match the picture's colours to the brush's palette and use it"},
    {kUseBrushPalette, "Use Brush Palette", "", "", "", "Give the picture the brush's palette"},
    {kRemapBrushToPalette, "Remap To Palette", "", "", "", "Match the brush's colours to the picture's palette"},
    {kNextForeground, "Increment Foreground Colour Ref", ".", "", "", "Paint with the next colour of the palette"},
    {kPreviousForeground, "Decrement Foreground Colour Ref", ",", "", "", "Paint with the previous colour of the palette"},
    {kSpreadPalettes, "Spread Palettes Across Frames...", "", "", "", "Spread palettes between frame to frame"},
    {kSavePalette, "Save Palette As...", "", "", "", "Save the palette in a palette file"},
    {kLoadPalette, "Load Palette...", "", "", "", "Give the picture the colours of a palette file"},
    {kPaletteEdit, "Palette Edit", "Shift+P", "", "palette-edit", "Open or close the palette edit window"},
    {kPaletteView, "Palette View", "P", "", "palette-view", "Open or close the small palette"},
    // The "Tools" bar; a tool's menu text is its tooltip unless it has a tooltip of its own.
    {32775, "&Paint", "", "draw-brush", "", "Paint free-hand with the brush", {}, CommandKind::Tool,
     "Left Click - Paint / Right Click - Brush Shape"},
    {32779, "Pick Up A Colour", "", "color-picker", "", "Take a colour from the picture", {}, CommandKind::Tool},
    {32792, "Line", "", "draw-line", "", "Draw straight lines", {}, CommandKind::Tool},
    {32784, "Curve", "", "draw-bezier-curves", "", "Draw a line, then bend it", {}, CommandKind::Tool},
    {32781, "Square", "", "", "tool-square", "Draw rectangles", {}, CommandKind::Tool},
    {32780, "Filled Square", "", "", "tool-filled-square", "Draw filled rectangles", {}, CommandKind::Tool},
    {32782, "Circle", "", "", "tool-circle", "Draw circles", {}, CommandKind::Tool},
    {32783, "Filled Circle", "", "", "tool-filled-circle", "Draw filled circles", {}, CommandKind::Tool},
    {32785, "Grab", "", "", "tool-grab", "Grab a brush from a rectangle of the picture", {}, CommandKind::Tool},
    {32787, "Grab free-hand", "", "", "tool-grab-freehand", "Grab a brush from inside an outline drawn free-hand", {},
     CommandKind::Tool},
    {32777, "Fill", "", "color-fill", "", "Fill an area of one colour", {}, CommandKind::Tool},
    {32788, "Spray", "", "", "tool-spray", "Spray the brush around the pointer", {}, CommandKind::Tool},
    {32778, "Magnify", "", "", "tool-magnify", "Zoom in (left) or out (right)", {}, CommandKind::Tool},
    {32790, "Handle", "", "transform-move", "", "Move the picture in the window", {}, CommandKind::Tool},
    {32793, "Colour Stencil", "", "", "tool-stencil", "Protect the chosen palette colours from paint", {},
     CommandKind::Toggle, "Left Click - Stencil On/Off / Right Click - Choose Colours"},
    {32794, "Symmetry Pattern", "", "", "tool-symmetry", "Paint symmetric copies", {}, CommandKind::Toggle},
    {32798, "FX brush", "", "", "tool-fx", "Smooth or tint the picture under the brush", {}, CommandKind::Toggle,
     "Left Click - FX Brush On/Off / Right Click - FX Settings"},
    {32795, "Scroll push", "", "", "tool-scroll-push", "Scroll when a stroke leaves the window", {}, CommandKind::Toggle},
    {32789, "Text", "", "draw-text", "", "Paint a typed text as a brush", {}, CommandKind::Tool},
    {32776, "Red Eye Filter", "", "", "tool-red-eye", "Reduce red eye in a rectangle of a photograph", {},
     CommandKind::Tool, "Left Click - Red Eye Filter / Right Click - Settings"},
    {32786, "Palette", "", "", "palette-view", "Choose the painting colours", {}, CommandKind::Plain,
     "Left Click - Palette / Right Click - Edit Palette"},
    {32797, "Clear Screen", "Del", "edit-clear-all", "", "Fill the frame with the background colour"},
    {32799, "Undo", "", "edit-undo", "", "Undo the last change"},
    {32800, "Redo", "", "edit-redo", "", "Redo the change undone"},
};

// The bars' buttons in order; a button shows only when the program has its command.
constexpr int kStandard[] = {kNew, kOpen, kSave, 0, kCopy, kPasteImage, 0, kPrint, 0, kNewWindow, 0, kHelp};
constexpr int kUntitled[] = {33639, kChooseBrushShape, 33523, 33522, kAnimNew, kImageNew,
                             kImageOpen, kAnimOpen, kEditUndo, kEditRedo, kEditClear};
constexpr int kTools[] = {32775, 32779, 32792, 32784, 32781, 32780, 32782, 32783, 32785,
                          32787, 32777, 32788, 32778, 32790, 32789, 32791, 32776, 32786,
                          32793, 32794, 32798, 32795, 32796, 32797, 32799, 32800};

constexpr int kAnimation[] = {kCompose, kBackFrame, kAdvanceFrame, kPlayLoop, kPlayOnce,
                              kPlayPingPong, kStopAnimation, kAnimationControls};

constexpr int kPaletteBar[] = {kColourBalance, kContrast, kGamma};
constexpr int kBrushBar[] = {kBrushDeform, kBrushFlipHorizontal, kBrushFlipVertical, kBrushQuarterTurn, kBrushStretch};
constexpr int kImageBar[] = {kChangeColours, kResizeCrop};

constexpr ToolbarLayout kToolbars[] = {
    {130, "Tools", kTools},
    {128, "Standard", kStandard},
    {129, "Animation", kAnimation},
    {131, "Brush", kBrushBar},
    {132, "Palette", kPaletteBar},
    {133, "Image", kImageBar},
    {136, "", kUntitled},
};

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::span<const ToolbarLayout> Toolbars() { return kToolbars; }

}  // namespace quillor
