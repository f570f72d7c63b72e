#pragma once
// The tracks' part of the toolkit's start-up: tracks and their thumb, scroll bars, progress bars,
// the busy indicator and the angle button become known to streaming and, by category, to the
// designer. Runs at most once per process.
void vgInitializeTracksUnit();
