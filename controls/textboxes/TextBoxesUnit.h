#pragma once
// The text boxes' part of the toolkit's start-up: the text, number and spin boxes become known to
// streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeTextBoxesUnit();
