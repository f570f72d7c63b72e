#pragma once
// TvgHorzListBox: a list box whose items stand side by side and scroll across.
#include "controls/lists/ListBox.h"

class TvgHorzListBox : public TvgListBox {
  CL_CLASS(TvgHorzListBox, TvgListBox)
public:
  explicit TvgHorzListBox(TComponent* owner);
};

class TvgHudHorzListBox : public TvgHorzListBox {
  CL_CLASS(TvgHudHorzListBox, TvgHorzListBox)
public:
  explicit TvgHudHorzListBox(TComponent* owner);
};
