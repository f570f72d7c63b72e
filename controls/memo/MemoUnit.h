#pragma once
// The memo's part of the toolkit's start-up: the memos become known to streaming and, by
// category, to the designer. Runs at most once per process.
void vgInitializeMemoUnit();
