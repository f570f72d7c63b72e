#pragma once
// The tree view's part of the toolkit's start-up: the tree and its items become known to
// streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeTreeViewUnit();
