#pragma once
// The editors' part of the toolkit's start-up: their components become known to streaming. Runs
// at most once per process.
void vgInitializeEditorsUnit();
