#pragma once
// Start-up and shut-down of the toolkit. Before a program makes its first form, every unit of the
// toolkit initialises itself once, in a fixed order: class registration first, the GDI+ canvas
// unit (default canvas and image filter, GDI+ started) before the scene unit, the scene unit
// last. After the message loop they finalise in the reverse order, the scene unit first.
#include <string>
#include <vector>

struct TvgToolkitUnit {
  std::string Name;
  // In order; the controls unit has one initialisation per control family.
  std::vector<void (*)()> Initialize;
  void (*Finalize)() = nullptr;  // nullptr when the unit has nothing to undo
};

// The units in initialisation order.
const std::vector<TvgToolkitUnit>& vgToolkitUnits();

// Each unit's initialisation and finalisation run at most once per process.
void vgInitializeToolkit();
void vgFinalizeToolkit();

// Start-up for the length of a program body: made first thing in main.
class TvgToolkit {
public:
  TvgToolkit() { vgInitializeToolkit(); }
  ~TvgToolkit() { vgFinalizeToolkit(); }
  TvgToolkit(const TvgToolkit&) = delete;
  TvgToolkit& operator=(const TvgToolkit&) = delete;
};
