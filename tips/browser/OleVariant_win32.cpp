#include "tips/browser/OleVariant_win32.h"

#include <oleauto.h>

#include <string>

namespace {

std::string SafeArrayBytes(SAFEARRAY* array) {
  if (!array || SafeArrayGetDim(array) != 1) return {};
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  void* data = nullptr;
  if (upper < lower || FAILED(SafeArrayAccessData(array, &data))) return {};
  std::string bytes(static_cast<const char*>(data), size_t(upper - lower + 1));
  SafeArrayUnaccessData(array);
  return bytes;
}

std::wstring BstrText(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

}  // namespace

Variant FromOleVariant(const VARIANT& value) {
  if (value.vt == (VT_VARIANT | VT_BYREF)) return value.pvarVal ? FromOleVariant(*value.pvarVal) : Variant();
  switch (value.vt) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant::Null();
    case VT_BSTR: return Variant(BstrText(value.bstrVal));
    case VT_BOOL: return Variant(value.boolVal != VARIANT_FALSE);
    case VT_I1: case VT_I2: case VT_I4: case VT_INT: case VT_UI1: case VT_UI2: {
      VARIANT number;
      VariantInit(&number);
      VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4);
      return Variant(int32_t(number.lVal));
    }
    case VT_ARRAY | VT_UI1: return Variant(SafeArrayBytes(value.parray));
    default: {
      VARIANT text;
      VariantInit(&text);
      Variant result;
      if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) result = Variant(BstrText(text.bstrVal));
      VariantClear(&text);
      return result;
    }
  }
}
