#include "document/playback.h"

#include <algorithm>
#include <cmath>

#include "document/anim_doc.h"

namespace quillor {

namespace {

void Start(CAnimDoc& document, const void* view, int mode, std::uint64_t now) {
    document.lastTick = double(now);
    document.playerView = view;
    document.playMode = mode;
}

void ShowEdited(CAnimDoc& document) { document.ShowFrame(document.CurrentFrame()); }

// Loop and ping-pong share their command: switch a running playback, or start and stop.
void PlayRepeating(CAnimDoc& document, const void* view, int mode, std::uint64_t now) {
    if (document.playMode != mode && document.playing) {
        document.playMode = mode;
        return;
    }
    document.playing = document.playMode == mode ? !document.playing : true;
    Start(document, view, mode, now);
    document.playPosition = document.CurrentFrame() + 1;
    ShowEdited(document);
}

double DelayMs(const CAnimDoc& document) {
    const double delay = double(document.frameDelay) * 1000.0;
    return std::isfinite(delay) && delay > 0.0 ? delay : 0.0;
}

void StepOnce(CAnimDoc& document) {
    int& position = document.playPosition;
    const bool forwards = document.rangeStart < document.rangeEnd;
    position += forwards ? 1 : -1;
    if (forwards ? position > document.rangeEnd : position < document.rangeEnd) {
        position = document.CurrentFrame() + 1;
        document.playing = false;
    }
}

void StepLoop(CAnimDoc& document) {
    int& position = document.playPosition;
    const bool forwards = document.rangeStart < document.rangeEnd;
    position += forwards ? 1 : -1;
    if (forwards ? position > document.rangeEnd : position < document.rangeEnd)
        position = document.rangeStart;
}

void StepPingPong(CAnimDoc& document) {
    int& position = document.playPosition;
    const int low = std::min(document.rangeStart, document.rangeEnd);
    const int high = std::max(document.rangeStart, document.rangeEnd);
    if (low == high) {
        position = low;
        return;
    }
    if (document.pingPongForward) {
        if (++position > high) {
            position = high - 1;
            document.pingPongForward = false;
        }
    } else if (--position < low) {
        position = low + 1;
        document.pingPongForward = true;
    }
}

}  // namespace

void PlayLoop(CAnimDoc& document, const void* view, std::uint64_t now) {
    PlayRepeating(document, view, kPlayLoop, now);
}

void PlayPingPong(CAnimDoc& document, const void* view, std::uint64_t now) {
    PlayRepeating(document, view, kPlayPingPong, now);
}

void PlayOnce(CAnimDoc& document, const void* view, std::uint64_t now) {
    if (document.playMode != kPlayOnce && document.playing) {
        // A running loop turns into one pass from the start of the range.
    } else if (document.playMode != kPlayOnce) {
        document.playing = true;
    } else {
        document.playing = !document.playing;
    }
    Start(document, view, kPlayOnce, now);
    document.playPosition = document.rangeStart;
    if (document.playing) document.DisplayPlaybackFrame(document.rangeStart - 1);
    else ShowEdited(document);
}

void StopAnimation(CAnimDoc& document, const void* view) {
    document.playing = !document.playing;
    document.playerView = view;
    document.playMode = kPlayLoop;
    ShowEdited(document);
}

bool PlaybackTick(CAnimDoc& document, const void* view, std::uint64_t now) {
    if (document.playerView != view) return false;
    document.tickShown = false;
    if (!document.playing) return false;
    document.tickShown = true;
    const double delay = DelayMs(document);
    const double due = document.lastTick + delay;
    if (double(now) < due) return false;
    // On schedule, the next step is due one delay after this one was; after a stall
    // of more than a frame the schedule starts again from now, so that playback never
    // races to catch up.
    document.lastTick = double(now) - due < delay ? due : double(now);

    switch (document.playMode) {
        case kPlayOnce: StepOnce(document); break;
        case kPlayPingPong: StepPingPong(document); break;
        default: StepLoop(document); break;
    }
    if (!document.playing) {
        ShowEdited(document);
        return true;
    }
    document.DisplayPlaybackFrame(document.playPosition - 1);
    return true;
}

std::int64_t MillisecondsToNextStep(const CAnimDoc& document, const void* view, std::uint64_t now) {
    if (document.playerView != view || !document.playing) return -1;
    const double wait = document.lastTick + DelayMs(document) - double(now);
    return wait <= 0.0 ? 0 : std::int64_t(std::ceil(wait));
}

void EndPlayback(CAnimDoc& document, const void* view) {
    if (document.playerView != view) return;
    document.playerView = nullptr;
    if (!document.playing) return;
    document.playing = false;
    ShowEdited(document);
}

}  // namespace quillor
