#pragma once
// A hand-made OLE data object for drag-and-drop tests.
#include "classlib/desktop/Win32.h"
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

// An OLE data object holding byte blocks in global memory, one per clipboard format.
class THandMadeData : public IDataObject {
public:
  std::map<CLIPFORMAT, std::vector<uint8_t>> formats;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
    auto it = formats.find(wanted->cfFormat);
    if (it == formats.end() || !(wanted->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, it->second.size());
    std::memcpy(GlobalLock(memory), it->second.data(), it->second.size());
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override {
    return formats.count(wanted->cfFormat) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

  // Holders of references must have let go when the test ends.
  ULONG references = 1;

  void SetFiles(const std::vector<std::wstring>& names) {
    DROPFILES header{};
    header.pFiles = sizeof(header);
    header.fWide = TRUE;
    const auto* headerBytes = reinterpret_cast<const uint8_t*>(&header);
    std::vector<uint8_t> bytes(headerBytes, headerBytes + sizeof(header));
    for (const std::wstring& name : names) AppendWide(bytes, name);
    AppendWide(bytes, L"");
    formats[CF_HDROP] = bytes;
  }
  void SetText(const std::wstring& text) {
    std::vector<uint8_t> bytes;
    AppendWide(bytes, text);
    formats[CF_UNICODETEXT] = bytes;
  }
  static void AppendWide(std::vector<uint8_t>& bytes, const std::wstring& text) {
    const auto* begin = reinterpret_cast<const uint8_t*>(text.c_str());
    bytes.insert(bytes.end(), begin, begin + (text.size() + 1) * sizeof(wchar_t));
  }
};
