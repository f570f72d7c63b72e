#pragma once
// The boxes' part of the toolkit's start-up: check boxes, radio buttons and pop-up boxes become
// known to streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeBoxesUnit();
