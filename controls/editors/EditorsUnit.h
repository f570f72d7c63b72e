#pragma once
// The editors' part of the toolkit's start-up: the editor controls become known to streaming
// and, by category, to the designer. Runs at most once per process.
void vgInitializeEditorsUnit();
