#pragma once
// The extra controls' part of the toolkit's start-up: they become known to streaming and, by
// category, to the designer. Runs at most once per process.
void vgInitializeExtraUnit();
