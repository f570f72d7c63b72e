#include "classlib/desktop/Icon.h"

#include "classlib/desktop/Win32.h"

CL_PUBLISHED(TIcon) {}

TIcon::~TIcon() {
  if (handle_) DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON handle) {
  if (handle == handle_) return;
  if (handle_) DestroyIcon(handle_);
  handle_ = handle;
  OnChange(this);
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
  SetHandle(static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
}

void TIcon::Assign(TPersistent* source) {
  if (!source) return SetHandle(nullptr);
  auto* icon = dynamic_cast<TIcon*>(source);
  if (!icon) return TPersistent::Assign(source);
  if (icon == this) return;
  SetHandle(icon->handle_ ? CopyIcon(icon->handle_) : nullptr);
}
