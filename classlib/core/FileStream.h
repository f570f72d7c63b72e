#pragma once
// A stream over a file. Modes as the class library's: fmCreate, or an open mode combined with a
// sharing mode. fmCreate alone and the open modes without a sharing mode lock others out, as on
// the platform; sharing modes take effect on Windows only.
#include <cstdint>
#include <cstdio>
#include <string>

#include "classlib/core/Stream.h"

enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,  // create or truncate, then read and write
};

class TFileStream : public TStream {
public:
  // EFCreateError "Cannot create file %s" / EFOpenError "Cannot open file %s".
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

private:
  enum class LastAccess { None, Read, Write };
  std::FILE* file_ = nullptr;
  LastAccess last_ = LastAccess::None;
  void SwitchTo(LastAccess access);
};
