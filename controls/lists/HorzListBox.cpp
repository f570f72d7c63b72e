#include "controls/lists/HorzListBox.h"

#include "classlib/core/Property.h"

CL_PUBLISHED(TvgHorzListBox) {
  using H = TvgHorzListBox;
  published.Property("ListStyle", &H::ListStyle, &H::SetListStyle).Default(vgListHorizontal);
}

CL_PUBLISHED(TvgHudHorzListBox) {}

TvgHorzListBox::TvgHorzListBox(TComponent* owner) : TvgListBox(owner) {
  SetResource("listboxstyle");
  SetListStyle(vgListHorizontal);
}

TvgHudHorzListBox::TvgHudHorzListBox(TComponent* owner) : TvgHorzListBox(owner) { SetResource("hudlistboxstyle"); }
