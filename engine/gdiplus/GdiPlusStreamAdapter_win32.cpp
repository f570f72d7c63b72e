#include "engine/gdiplus/GdiPlusStreamAdapter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "classlib/core/Stream.h"

namespace {

constexpr uint64_t copyBufferLimit = 1048576;

FILETIME NowAsUtcFileTime() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  FILETIME localTime{}, utc{};
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &utc);
  return utc;
}

}  // namespace

TStreamInterface TMyStreamAdapter::Create(TStream& stream, TStreamOwnership ownership) {
  auto* adapter = new TMyStreamAdapter(stream, ownership);
  adapter->AddRef();
  return TStreamInterface(adapter);
}

TMyStreamAdapter::~TMyStreamAdapter() {
  if (ownership_ == soOwned) delete &stream_;
}

HRESULT TMyStreamAdapter::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISequentialStream) || IsEqualIID(iid, IID_IStream)) {
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TMyStreamAdapter::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG TMyStreamAdapter::Release() {
  LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return ULONG(left);
}

HRESULT TMyStreamAdapter::Read(void* buffer, ULONG count, ULONG* read) {
  if (!buffer) return STG_E_INVALIDPOINTER;
  try {
    int64_t done = stream_.Read(buffer, count);
    if (read) *read = ULONG(done);
    return S_OK;
  } catch (...) {
    return S_FALSE;
  }
}

HRESULT TMyStreamAdapter::Write(const void* buffer, ULONG count, ULONG* written) {
  if (!buffer) return STG_E_INVALIDPOINTER;
  try {
    int64_t done = stream_.Write(buffer, count);
    if (written) *written = ULONG(done);
    return S_OK;
  } catch (...) {
    return STG_E_CANTSAVE;
  }
}

HRESULT TMyStreamAdapter::Seek(LARGE_INTEGER offset, DWORD origin, ULARGE_INTEGER* position) {
  if (origin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    int64_t at = stream_.Seek(offset.QuadPart, TSeekOrigin(origin));
    if (position) position->QuadPart = uint64_t(at);
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDPOINTER;
  }
}

HRESULT TMyStreamAdapter::SetSize(ULARGE_INTEGER size) {
  try {
    int64_t wanted = int64_t(size.QuadPart);
    stream_.SetSize(wanted);
    return stream_.Size() == wanted ? S_OK : E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TMyStreamAdapter::CopyTo(IStream* dest, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                 ULARGE_INTEGER* written) {
  uint64_t totalRead = 0, totalWritten = 0;
  HRESULT result = S_OK;
  try {
    std::vector<uint8_t> buffer(size_t(std::min<uint64_t>(count.QuadPart, copyBufferLimit)));
    uint64_t remaining = count.QuadPart;
    while (remaining > 0) {
      ULONG chunk = ULONG(std::min<uint64_t>(remaining, buffer.size()));
      int64_t got = stream_.Read(buffer.data(), chunk);
      if (got <= 0) break;
      totalRead += uint64_t(got);
      ULONG put = 0;
      result = dest->Write(buffer.data(), ULONG(got), &put);
      totalWritten += put;
      if (FAILED(result)) break;
      if (put < ULONG(got)) {
        result = E_FAIL;
        break;
      }
      remaining -= uint64_t(got);
    }
  } catch (...) {
    result = E_UNEXPECTED;
  }
  if (read) read->QuadPart = totalRead;
  if (written) written->QuadPart = totalWritten;
  return result;
}

HRESULT TMyStreamAdapter::Commit(DWORD) { return S_OK; }

HRESULT TMyStreamAdapter::Revert() { return STG_E_REVERTED; }

HRESULT TMyStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TMyStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT TMyStreamAdapter::Stat(STATSTG* stat, DWORD) {
  if (!stat) return S_OK;
  try {
    std::memset(stat, 0, sizeof(*stat));
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = uint64_t(stream_.Size());
    stat->mtime = stat->ctime = stat->atime = NowAsUtcFileTime();
    stat->grfLocksSupported = LOCK_WRITE;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TMyStreamAdapter::Clone(IStream** clone) {
  if (clone) *clone = nullptr;
  return E_NOTIMPL;
}
