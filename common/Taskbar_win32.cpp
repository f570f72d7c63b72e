#include "common/Taskbar.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Win32.h"
#include <oleauto.h>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// The shell's caption of its pin-to-taskbar verb, a string resource of Shell32.dll.
constexpr UINT kPinVerbCaptionId = 5386;

[[noreturn]] void RaiseOleError(HRESULT status) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      static_cast<DWORD>(status), 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n')) message.pop_back();
  if (message.empty()) {
    std::snprintf(text, sizeof text, "OLE error %08lX", static_cast<unsigned long>(status));
    message = text;
  }
  throw EOleSysError(message, status);
}

void OleCheck(HRESULT status) {
  if (FAILED(status)) RaiseOleError(status);
}

class TVariant {
public:
  TVariant() { VariantInit(&value_); }
  explicit TVariant(const std::wstring& text) : TVariant() {
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  }
  explicit TVariant(int number) : TVariant() {
    value_.vt = VT_I4;
    value_.lVal = number;
  }
  ~TVariant() { VariantClear(&value_); }
  TVariant(const TVariant&) = delete;
  TVariant& operator=(const TVariant&) = delete;

  VARIANT* Get() { return &value_; }
  VARIANT& Value() { return value_; }

private:
  VARIANT value_;
};

// One reference to a late-bound automation object; members are called by name.
class TAutomationObject {
public:
  explicit TAutomationObject(IDispatch* dispatch) : dispatch_(dispatch) {}
  TAutomationObject(TAutomationObject&& other) noexcept : dispatch_(std::exchange(other.dispatch_, nullptr)) {}
  ~TAutomationObject() {
    if (dispatch_) dispatch_->Release();
  }
  TAutomationObject(const TAutomationObject&) = delete;
  TAutomationObject& operator=(const TAutomationObject&) = delete;

  static TAutomationObject Create(const wchar_t* programId) {
    CLSID classId;
    OleCheck(CLSIDFromProgID(programId, &classId));
    IDispatch* dispatch = nullptr;
    OleCheck(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&dispatch)));
    return TAutomationObject(dispatch);
  }

  // Calls a method or reads a property; arguments are given in their natural order.
  void Call(const wchar_t* name, std::vector<VARIANT> arguments, TVariant& result) {
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    OleCheck(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    OleCheck(dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                               &parameters, result.Get(), nullptr, nullptr));
  }

  TAutomationObject Object(const wchar_t* name, std::vector<VARIANT> arguments = {}) {
    TVariant result;
    Call(name, std::move(arguments), result);
    VARIANT& value = result.Value();
    if (value.vt != VT_DISPATCH || !value.pdispVal) throw EOleError("Variant does not reference an automation object");
    value.pdispVal->AddRef();
    return TAutomationObject(value.pdispVal);
  }

  int Integer(const wchar_t* name) {
    TVariant result;
    Call(name, {}, result);
    OleCheck(VariantChangeType(result.Get(), result.Get(), 0, VT_I4));
    return result.Value().lVal;
  }

  std::wstring Text(const wchar_t* name) {
    TVariant result;
    Call(name, {}, result);
    OleCheck(VariantChangeType(result.Get(), result.Get(), 0, VT_BSTR));
    const BSTR text = result.Value().bstrVal;
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  }

  void Method(const wchar_t* name) {
    TVariant ignored;
    Call(name, {}, ignored);
  }

private:
  IDispatch* dispatch_;
};

// COM for this thread for the duration of one call; balanced only when this call started it.
class TComScope {
public:
  TComScope() : started_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~TComScope() {
    if (started_) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

private:
  bool started_;
};

std::wstring PinVerbCaption() {
  HMODULE shell = LoadLibraryA("Shell32.dll");
  if (!shell) return {};
  wchar_t caption[256] = {};
  const int length = LoadStringW(shell, kPinVerbCaptionId, caption, 256);
  FreeLibrary(shell);
  return std::wstring(caption, length > 0 ? length : 0);
}

bool SameCaption(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace

void PinToTaskbar(const std::string& folder, const std::string& file) {
  TComScope com;
  TAutomationObject shell = TAutomationObject::Create(L"Shell.Application");
  TVariant folderName(AnsiToWide(folder));
  TAutomationObject folderObject = shell.Object(L"NameSpace", {folderName.Value()});
  TVariant fileName(AnsiToWide(file));
  TAutomationObject item = folderObject.Object(L"ParseName", {fileName.Value()});
  TAutomationObject verbs = item.Object(L"Verbs");
  // Without the caption no verb is the pin verb (an empty caption would match unnamed separators).
  const std::wstring caption = PinVerbCaption();
  if (caption.empty()) return;
  const int count = verbs.Integer(L"Count");
  for (int index = 0; index < count; ++index) {
    TVariant position(index);
    TAutomationObject verb = verbs.Object(L"Item", {position.Value()});
    if (SameCaption(verb.Text(L"Name"), caption)) verb.Method(L"DoIt");
  }
}
