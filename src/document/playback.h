#pragma once

#include <cstdint>

namespace quillor {

class CAnimDoc;

// Showing an animation's frames in turn at its rate, once, in a loop or back and forth,
// while the frame being edited stays as it is. `view` names the view that gives a
// command; only the view that started playback steps it. Times are milliseconds of one
// steady clock.
enum PlayMode : int { kPlayOnce = 0, kPlayLoop = 1, kPlayPingPong = 2 };

// "Play Loop" and "Play Ping-Pong": start from the frame being edited, switch a running
// playback to this mode, or stop this mode when it runs.
void PlayLoop(CAnimDoc& document, const void* view, std::uint64_t now);
void PlayPingPong(CAnimDoc& document, const void* view, std::uint64_t now);
// "Play Once": from the start of the range to its end, then back to the frame being
// edited; pressed again while it runs, it stops.
void PlayOnce(CAnimDoc& document, const void* view, std::uint64_t now);
// "Stop Animation": stops playback, or resumes it as a loop from where it stopped.
void StopAnimation(CAnimDoc& document, const void* view);

// One timer tick of `view`. True when it displayed another frame.
bool PlaybackTick(CAnimDoc& document, const void* view, std::uint64_t now);
// Milliseconds until the next step is due (0: now), or -1 when `view` does not play.
std::int64_t MillisecondsToNextStep(const CAnimDoc& document, const void* view, std::uint64_t now);

// Ends playback (the view that runs it is closing) and shows the frame being edited.
void EndPlayback(CAnimDoc& document, const void* view);

}  // namespace quillor
