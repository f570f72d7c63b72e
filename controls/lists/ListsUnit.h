#pragma once
// The list boxes' part of the toolkit's start-up: the lists and their items become known to
// streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeListsUnit();
