#pragma once

#include <span>
#include <string_view>

namespace quillor {

// Command identifiers. Those the program's toolbars and menus have always used keep
// their numbers; commands that never had one are numbered from 34000.
namespace cmd {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 33500;
inline constexpr int kSaveAs = 57604;
inline constexpr int kCopy = 33621;
inline constexpr int kPasteImage = 33622;
inline constexpr int kDuplicateImage = 33623;
inline constexpr int kImageFromBrush = 33620;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kNewWindow = 57648;
inline constexpr int kHelp = 33611;
inline constexpr int kExit = 57665;
inline constexpr int kImageNew = 32773;
inline constexpr int kImageOpen = 32774;
inline constexpr int kAnimNew = 32754;
inline constexpr int kAnimOpen = 32755;
inline constexpr int kCompose = 32756;
inline constexpr int kOpenAvi = 33613;
inline constexpr int kClampFrame = 32796;
inline constexpr int kZoomIn = 34001;
inline constexpr int kZoomOut = 34002;
inline constexpr int kUnzoom = 34003;
inline constexpr int kCascade = 34010;
inline constexpr int kTile = 34011;
inline constexpr int kCloseWindow = 34012;
inline constexpr int kAbout = 34020;
inline constexpr int kBrowse = 32751;
inline constexpr int kBatchRemap = 33511;
inline constexpr int kDotRename = 33512;
inline constexpr int kSequentialRename = 33584;
inline constexpr int kFileAssociations = 33603;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kEditClear = 57632;
inline constexpr int kChooseBrushShape = 32895;
inline constexpr int kUsePaintTool = 34030;
inline constexpr int kSinglePixelBrush = 34031;
inline constexpr int kRestorePreviousBrush = 34032;
inline constexpr int kSingleColour = 34033;
inline constexpr int kNextBrushImage = 34034;
inline constexpr int kPreviousBrushImage = 34035;
inline constexpr int kFirstBrushImage = 34036;
inline constexpr int kAnimatedBrushes = 34037;
inline constexpr int kAntiAlias = 34038;
inline constexpr int kRotationGuideOnly = 34039;
inline constexpr int kBilinearResize = 34040;
inline constexpr int kLoadBrush = 33517;
inline constexpr int kSaveBrushAs = 33518;
inline constexpr int kBrushQuarterTurn = 33502;
inline constexpr int kBrushFlipHorizontal = 33503;
inline constexpr int kBrushFlipVertical = 33505;
inline constexpr int kBrushDouble = 33532;
inline constexpr int kBrushHalve = 33533;
inline constexpr int kBrushEnlarge = 33552;
inline constexpr int kBrushShrink = 33553;
inline constexpr int kBrushResize = 33534;
inline constexpr int kAnimatedBrushSettings = 33539;
inline constexpr int kBrushHandle = 33530;
inline constexpr int kBrushStretch = 33529;
inline constexpr int kBrushRotate = 33531;
inline constexpr int kBrushDeform = 33628;
inline constexpr int kDarkToLight = 33550;
inline constexpr int kLightToDark = 33546;
inline constexpr int kGroupHues = 33548;
inline constexpr int kRemapToBrushPalette = 33508;
inline constexpr int kUseBrushPalette = 33510;
inline constexpr int kRemapBrushToPalette = 33509;
inline constexpr int kNextForeground = 33585;
inline constexpr int kPreviousForeground = 33586;
inline constexpr int kSpreadPalettes = 33598;
inline constexpr int kSavePalette = 33601;
inline constexpr int kLoadPalette = 33602;
inline constexpr int kPaletteEdit = 33522;
inline constexpr int kPaletteView = 33523;
inline constexpr int kBackFrame = 32886;
inline constexpr int kAdvanceFrame = 32881;
inline constexpr int kPlayLoop = 32880;
inline constexpr int kPlayOnce = 32884;
inline constexpr int kPlayPingPong = 32883;
inline constexpr int kStopAnimation = 32885;
inline constexpr int kAnimationControls = 33524;
inline constexpr int kDuplicateFrame = 34100;
inline constexpr int kDeleteFrame = 34101;
inline constexpr int kChangeFrameName = 34102;
inline constexpr int kGotoFrame = 34103;
inline constexpr int kViewCompiled = 34104;
inline constexpr int kLayerOn = 34105;
inline constexpr int kLayerOff = 34106;
inline constexpr int kLayerSettings = 34107;
inline constexpr int kChangeColours = 33608;
inline constexpr int kResizeCrop = 33525;
inline constexpr int kFlipHorizontal = 34110;
inline constexpr int kFlipVertical = 34111;
inline constexpr int kSharpen = 33614;
inline constexpr int kDespeckle = 33627;
inline constexpr int kBlur = 33616;
inline constexpr int kSimplify = 33617;
inline constexpr int kAutoBrightness = 33626;
inline constexpr int kBlackAndWhite = 33520;
inline constexpr int kNegative = 33527;
inline constexpr int kColourBalance = 33521;
inline constexpr int kContrast = 33619;
inline constexpr int kGamma = 33624;
}  // namespace cmd

// How a command's button and menu item behave.
enum class CommandKind : unsigned char {
    Plain,   // does something once
    Tool,    // selects a tool; one of the tool buttons shows pressed
    Toggle,  // turns a setting on or off and shows its state
};

struct CommandInfo {
    int id;
    std::string_view menuText;    // with its "&" mnemonic
    std::string_view key;         // accelerator as the menus show it ("S", "Ctrl+N"), or empty
    std::string_view themeIcon;   // freedesktop icon name, or empty
    std::string_view ownIcon;     // our icon in resources/icons when the theme has none
    std::string_view statusTip;
    std::string_view key2 = {};   // a second accelerator
    CommandKind kind = CommandKind::Plain;
    std::string_view toolTip = {};  // when the menu text will not do as the tooltip
};

// Every command the program offers now, in no particular order.
std::span<const CommandInfo> Commands();
const CommandInfo* FindCommand(int id);

// One of the main window's toolbars: its resource number, its title and its buttons in
// order (0 is a separator). A button whose command the program lacks is not shown.
struct ToolbarLayout {
    int resourceId;
    std::string_view title;
    std::span<const int> buttons;
};
std::span<const ToolbarLayout> Toolbars();

}  // namespace quillor
