#include "engine/scene/Ime.h"

#include <algorithm>

namespace {
TvgIme imm;
TvgIme* current = &imm;

// Closes an input context on every way out.
class TInputContext {
public:
  explicit TInputContext(HWND window) : window_(window), context_(ImmGetContext(window)) {}
  ~TInputContext() {
    if (context_) ImmReleaseContext(window_, context_);
  }
  TInputContext(const TInputContext&) = delete;
  TInputContext& operator=(const TInputContext&) = delete;
  HIMC Get() const { return context_; }

private:
  HWND window_;
  HIMC context_;
};
}  // namespace

// Negative sizes are IMM's errors.
std::wstring TvgIme::ResultString(HWND window) {
  TInputContext context(window);
  if (!context.Get()) return {};
  const LONG bytes = ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, nullptr, 0);
  if (bytes <= 0) return {};
  std::wstring text(size_t(bytes) / sizeof(wchar_t), L'\0');
  const LONG read = ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, text.data(), DWORD(bytes));
  text.resize(read > 0 ? std::min(text.size(), size_t(read) / sizeof(wchar_t)) : 0);
  return text;
}

void TvgIme::SetCompositionFont(HWND window, const LOGFONTW& font) {
  TInputContext context(window);
  if (context.Get()) ImmSetCompositionFontW(context.Get(), const_cast<LOGFONTW*>(&font));
}

void TvgIme::SetCompositionWindow(HWND window, const COMPOSITIONFORM& form) {
  TInputContext context(window);
  if (context.Get()) ImmSetCompositionWindow(context.Get(), const_cast<COMPOSITIONFORM*>(&form));
}

LANGID TvgIme::KeyboardLanguage() { return LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))); }

TvgIme& vgIme() { return *current; }

void vgSetIme(TvgIme* ime) { current = ime ? ime : &imm; }
