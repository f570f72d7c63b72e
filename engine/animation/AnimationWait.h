#pragma once
// Waiting for an animation where a caller needs its end before going on.

class TvgAnimation;

// Handles the application's messages, yielding the processor between passes, until the
// animation no longer runs or is freed by what the messages do. A looping animation is not
// waited for: it would never end. False when the animation was freed.
bool vgWaitForAnimation(TvgAnimation* animation);
