#pragma once
// The tab control's part of the toolkit's start-up: tab controls and their items become known to
// streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeTabsUnit();
