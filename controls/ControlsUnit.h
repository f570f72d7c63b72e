#pragma once
// The controls unit's part of the toolkit's start-up: its classes become known to streaming and,
// by category, to the designer. Runs at most once per process.
void vgInitializeControlsUnit();
