#pragma once
// TMyStreamAdapter presents a class-library stream to GDI+ as a COM IStream. It is reference
// counted through the interface and frees itself (and, when it owns it, the stream) on the last
// Release. No exception leaves an IStream method: each becomes the method's error result.
#include "classlib/desktop/Win32.h"
#include <objidl.h>

#include <memory>

class TStream;

enum TStreamOwnership { soReference, soOwned };

struct TInterfaceRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
using TStreamInterface = std::unique_ptr<IStream, TInterfaceRelease>;

class TMyStreamAdapter final : public IStream {
public:
  // The stream must outlive the adapter unless the adapter owns it.
  static TStreamInterface Create(TStream& stream, TStreamOwnership ownership = soReference);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
  HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER offset, DWORD origin, ULARGE_INTEGER* position) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* dest, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override;

  TStream& Stream() const { return stream_; }
  TStreamOwnership Ownership() const { return ownership_; }

private:
  TMyStreamAdapter(TStream& stream, TStreamOwnership ownership) : stream_(stream), ownership_(ownership) {}
  ~TMyStreamAdapter();

  TStream& stream_;
  TStreamOwnership ownership_;
  LONG references_ = 0;
};
