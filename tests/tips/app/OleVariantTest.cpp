#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <oleauto.h>

#include <cstring>

#include "tips/browser/BrowserFrame_win32.h"
#include "tips/browser/OleVariant_win32.h"

namespace {

TEST(BrowserFrame, IsMadeOnlyForBrowserObjects) {
  EXPECT_EQ(TBrowserFrame::FromDispatch(nullptr), nullptr);
  IDispatch* notABrowser = nullptr;
  ASSERT_EQ(CoInitialize(nullptr) >= 0, true);
  // The shell's automation object is a dispatch object but no browser.
  CLSID shell;
  ASSERT_EQ(CLSIDFromProgID(L"Shell.Application", &shell), S_OK);
  ASSERT_EQ(CoCreateInstance(shell, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&notABrowser)),
            S_OK);
  EXPECT_EQ(TBrowserFrame::FromDispatch(notABrowser), nullptr);
  notABrowser->Release();
  CoUninitialize();
}

// Builds automation values by hand, as the control hands them to its events.
struct TOleValue {
  VARIANT value;
  TOleValue() { VariantInit(&value); }
  ~TOleValue() { VariantClear(&value); }
};

TEST(OleVariant, ConvertsTheValuesOfTheBrowsersEvents) {
  TOleValue text;
  text.value.vt = VT_BSTR;
  text.value.bstrVal = SysAllocString(L"http://x.example/");
  EXPECT_EQ(FromOleVariant(text.value), Variant(std::wstring(L"http://x.example/")));

  VARIANT reference;
  VariantInit(&reference);
  reference.vt = VT_VARIANT | VT_BYREF;
  reference.pvarVal = &text.value;
  EXPECT_EQ(FromOleVariant(reference), Variant(std::wstring(L"http://x.example/")));

  TOleValue number;
  number.value.vt = VT_I4;
  number.value.lVal = 256;
  EXPECT_EQ(FromOleVariant(number.value), Variant(int32_t(256)));

  TOleValue flag;
  flag.value.vt = VT_BOOL;
  flag.value.boolVal = VARIANT_TRUE;
  EXPECT_EQ(FromOleVariant(flag.value), Variant(true));

  TOleValue empty, null;
  null.value.vt = VT_NULL;
  EXPECT_TRUE(FromOleVariant(empty.value).IsEmpty());
  EXPECT_TRUE(FromOleVariant(null.value).IsNull());

  TOleValue bytes;
  bytes.value.vt = VT_ARRAY | VT_UI1;
  bytes.value.parray = SafeArrayCreateVector(VT_UI1, 0, 3);
  void* data = nullptr;
  SafeArrayAccessData(bytes.value.parray, &data);
  memcpy(data, "a=1", 3);
  SafeArrayUnaccessData(bytes.value.parray);
  EXPECT_EQ(FromOleVariant(bytes.value), Variant(std::string("a=1")));

  TOleValue fraction;
  fraction.value.vt = VT_R8;
  fraction.value.dblVal = 2.5;
  EXPECT_FALSE(FromOleVariant(fraction.value).IsEmpty());
}

}  // namespace
