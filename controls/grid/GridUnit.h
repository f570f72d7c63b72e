#pragma once
// The grids' part of the toolkit's start-up: grids, their header, columns and cells become known
// to streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeGridUnit();
