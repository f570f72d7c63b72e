#pragma once
// An icon that owns its handle: the application's icon, the notification area's icon.
#include "classlib/desktop/Win32Handles.h"

#include "classlib/core/Persistent.h"

class TIcon : public TPersistent {
  CL_CLASS(TIcon, TPersistent)
public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  HICON Handle() const { return handle_; }
  // Takes ownership of the handle (nullptr empties the icon).
  void SetHandle(HICON handle);
  bool HandleAllocated() const { return handle_ != nullptr; }
  bool Empty() const { return handle_ == nullptr; }
  // Loads an icon resource of the module at the system's large icon size; missing leaves it empty.
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name);

  // Copies another icon's picture into a handle of its own; nullptr empties the icon.
  void Assign(TPersistent* source) override;
  TNotifyEvent OnChange;

private:
  HICON handle_ = nullptr;
};
