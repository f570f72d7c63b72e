#pragma once
// The window frames' part of the toolkit's start-up: size grips, close buttons, splitters, the
// HUD window and the expander become known to streaming and, by category, to the designer. Runs
// at most once per process.
void vgInitializeWindowsUnit();
