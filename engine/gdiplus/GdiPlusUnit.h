#pragma once
// The GDI+ unit's part of the toolkit's start-up and shut-down; each runs at most once per process.

// Makes the GDI+ filter the default filter class and the GDI+ canvas the default canvas class
// (unless one was chosen before) and the printer canvas class, then starts GDI+.
void vgInitializeGdiPlusUnit();
// Shuts GDI+ down and clears the library name, so that it is not loaded again.
void vgFinalizeGdiPlusUnit();
