#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/colour.h"
#include "document/colour_stencil.h"
#include "document/anim_frame.h"
#include "document/document_environment.h"
#include "document/document_observer.h"
#include "document/new_document_kind.h"
#include "document/undo_store.h"

namespace quillor {

class NewImageModel;
struct SequenceSaveRequest;

// The one document class: a single image, an animation, a layered image or an AVI movie,
// held as an ordered set of frames. It knows no window; views learn of its changes
// through DocumentObserver.
class CAnimDoc {
public:
    explicit CAnimDoc(DocumentEnvironment& environment);
    ~CAnimDoc();
    CAnimDoc(const CAnimDoc&) = delete;
    CAnimDoc& operator=(const CAnimDoc&) = delete;

    // --- Creation and opening -------------------------------------------------------
    // Fills a new document of the given kind; false (with any message already shown)
    // when the user cancelled or there was nothing to make it from.
    bool OnNewDocument(NewDocumentKind kind);
    // Reads the file at `path`, routed by its extension. A file that cannot be read
    // leaves a 40 x 1 placeholder frame and the path "Error.ERR".
    void Open(const std::string& path);
    // False for a document that must not stay open (its path names no format the
    // program keeps): its window closes with "File not loaded.".
    bool IsKept() const;

    // --- Frames ---------------------------------------------------------------------
    // Appends `count` frames numbered 0 to count - 1, each with an empty image; returns
    // the last, or null for 0.
    AnimFrame* AddFrames(std::uint32_t count);
    AnimFrame* FindFrame(int index);
    const AnimFrame* FindFrame(int index) const;
    // Frames in creation order.
    const std::vector<std::unique_ptr<AnimFrame>>& Frames() const { return frames_; }
    // The number of frames actually held (1 for a single image, whose frameCount is 0).
    int HeldFrames() const { return int(frames_.size()); }
    // The document's one history of frame changes, shared by all its windows. Whatever
    // changes the list of frames tells it here: inserting a frame calls FrameInserted,
    // deleting one FrameDeleted, replacing them all Reset, so that no step is ever put
    // back into a frame it was not taken from.
    UndoStore& Undo() { return undo_; }

    // A copy of frame `index` (picture, colour mode and size) becomes frame index + 1;
    // later frames move up by one. The copy is named after the original: "walk.bmp"
    // gives "walk_Copy.bmp", that "walk_Copy2.bmp", that "walk_Copy3.bmp". False when
    // there is no such frame or no memory for the copy.
    bool InsertFrameCopy(int index);
    // Removes frame `index`; later frames move down by one, and the frame being edited
    // moves back by one when it was the last. False when there is no such frame or it is
    // the only one.
    bool DeleteFrame(int index);

    bool LoadFrameImage(COXDIB& image, const std::string& path);
    void FinishFrameLoad(AnimFrame& frame);
    bool SaveFrameImage(const std::string& path, int index);

    // --- Saving and closing ---------------------------------------------------------
    // The view's Save command: format checks, settings dialogs, then the write.
    bool Save();
    // The view's Save As command: a file dialog for a single image, the animation Save
    // As for animations.
    bool SaveAs();
    // The animation and layered Save As: "Select File Type" (animations that are not
    // layered), "Save Animation Sequence", then SaveSequence. True when everything asked
    // for was written.
    bool SaveAnimationAs();
    // Writes the script and frame files `request` asks for, asking before it replaces an
    // existing file. True when everything asked for was written; the document is then
    // unchanged.
    bool SaveSequence(const SequenceSaveRequest& request);
    // "Compose Animation Sequence": the composer dialog, then its files as frames. False
    // on Cancel. Nothing is written.
    bool ComposeFromFiles(bool layered);
    // The animation Save As's "AVI movie": the frame checks, "AVI Save Settings", the
    // file, the compressor choice and the write. True when the movie was written; the
    // document then has its path and is unchanged.
    bool SaveAvi();
    // Asked before the document closes; true when closing may go on. A No marks the
    // document unchanged only when `markDiscarded`: the program's exit asks every
    // document first, and a Cancel at a later one must leave this one's edits standing.
    bool SaveModified(bool markDiscarded = true);

    // --- Titles -----------------------------------------------------------------------
    // Makes `index` the frame being edited, and the one the views show; false when there
    // is no such frame.
    bool ShowFrame(int index);
    int CurrentFrame() const { return currentFrame_; }
    // The frame the views draw and the title names: the playback frame while playback
    // displays one, else the frame being edited.
    int ShownFrame() const { return displayedFrame_ >= 0 ? displayedFrame_ : currentFrame_; }
    // Playback: every view draws frame `index` while the frame being edited stays as it
    // is. ShowFrame ends it.
    void DisplayPlaybackFrame(int index);
    // The window title for the frame shown.
    std::string Title() const;

    // --- Changes ------------------------------------------------------------------------
    // Marks the document changed and tells the views to redraw `frameIndex` (-1: all).
    void FramesChanged(int frameIndex);
    // A frame was made anew (another size, depth or colour table): besides its pixels,
    // its title and the palette windows follow.
    void FrameRemade(int frameIndex);
    void SetChanged(bool changed);
    // The views redraw `frameIndex` (-1: all) whose pixels were rebuilt from the rest of
    // the document (the compiled image of a layered document): not an edit.
    void RedrawFrames(int frameIndex);
    bool IsModified() const { return changed; }
    // No painting while an animation plays or on the compiled image of a layered
    // document.
    bool PaintingBlocked() const { return playing || (isLayered && currentFrame_ == 0); }
    ObserverList::Subscription Subscribe(DocumentObserver& observer) { return observers_.Add(observer); }
    const ObserverList& Observers() const { return observers_; }

    DocumentEnvironment& Environment() { return environment_; }

    // --- Colours ----------------------------------------------------------------------
    // The painting colours: indices into the frame's palette, or on true-colour frames
    // into the document's colour table. Every change is told to the observers.
    std::uint8_t Foreground() const { return foreground_; }
    std::uint8_t Background() const { return background_; }
    void SetForeground(std::uint8_t index);
    void SetBackground(std::uint8_t index);
    using ColourTable = std::array<ColourRef, 256>;
    const ColourTable& Colours() const { return colourTable_; }
    ColourRef TableColour(std::uint8_t index) const { return colourTable_[index]; }
    void SetTableColour(std::uint8_t index, ColourRef colour);
    // The whole table at once, told once.
    void SetColourTable(const ColourTable& colours);

    // --- State, as the rest of the program reads and sets it ---------------------------
    std::string path;
    std::uint32_t frameCount = 0;  // 0 for a single image
    bool changed = false;
    // The open failed and the user has heard why (or cancelled a prompt): the window
    // that closes on it need not say so again.
    bool openFailureTold = false;
    bool isAnimation = false;
    bool isLayered = false;
    ColourStencil stencil;
    // Playback.
    bool tickShown = false;
    bool playing = false;
    int playMode = 0;
    int playPosition = 1;
    // When the last step was due, in milliseconds: steps keep to the rate's own schedule
    // rather than to the ticks that happened to show them.
    double lastTick = 0.0;
    float framesPerSecond = 2.0f;
    float frameDelay = 0.5f;
    int rangeStart = 1;
    int rangeEnd = 0;
    bool pingPongForward = true;
    // The view that started playback; only its timer steps the frames. Compared, never
    // dereferenced.
    const void* playerView = nullptr;

private:
    bool NewImage();
    bool NewAnimation();
    bool FromBrush();
    bool FromClipboard();
    bool Duplicate();
    void StartSingleImage();
    bool MakeBlankFrames(const NewImageModel& model);
    void OpenSingleImage(const std::string& path);
    void OpenScript(const std::string& path, bool layered);
    void OpenAvi(const std::string& path);
    // Reads the movie's chosen frames; false (the user told why, or cancelled) when the
    // document gets none.
    bool LoadAvi(const std::string& path);
    void OpenOther(const std::string& path);
    void MakePlaceholder(const std::string& name);
    // The part of Save before the write: depth refusals and settings dialogs.
    bool CheckFormat();
    void NotifyTitle();
    void NotifyColours();

    DocumentEnvironment& environment_;
    std::vector<std::unique_ptr<AnimFrame>> frames_;
    int currentFrame_ = 0;
    int displayedFrame_ = -1;
    std::uint8_t foreground_ = 1;
    std::uint8_t background_ = 0;
    ColourTable colourTable_{};
    UndoStore undo_;
    ObserverList observers_;
};

// Every path a document keeps (".bmp" ... ".qul", compared without letter case).
bool IsDocumentPath(const std::string& path);

}  // namespace quillor
