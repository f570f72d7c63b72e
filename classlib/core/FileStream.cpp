#include "classlib/core/FileStream.h"

#include <algorithm>
#include <string_view>

#include "classlib/core/StreamErrors.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

const char* OpenModeText(uint16_t mode) {
  if ((mode & fmCreate) == fmCreate) return "w+b";
  return (mode & 0x3) == fmOpenRead ? "rb" : "r+b";
}

std::FILE* OpenFile(const std::string& fileName, uint16_t mode) {
#ifdef _WIN32
  int share = _SH_DENYRW;  // fmCreate, fmShareCompat and fmShareExclusive
  if ((mode & fmCreate) != fmCreate) {
    switch (mode & 0xF0) {
      case fmShareDenyWrite: share = _SH_DENYWR; break;
      case fmShareDenyRead: share = _SH_DENYRD; break;
      case fmShareDenyNone: share = _SH_DENYNO; break;
    }
  }
  return _fsopen(fileName.c_str(), OpenModeText(mode), share);
#else
  return std::fopen(fileName.c_str(), OpenModeText(mode));
#endif
}

int SeekFile(std::FILE* file, int64_t offset, int whence) {
#ifdef _WIN32
  return _fseeki64(file, offset, whence);
#else
  return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

bool TruncateFile(std::FILE* file, int64_t size) {
#ifdef _WIN32
  return _chsize_s(_fileno(file), size) == 0;
#else
  return ftruncate(fileno(file), static_cast<off_t>(size)) == 0;
#endif
}

int64_t TellFile(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) {
  file_ = OpenFile(fileName, mode);
  if (!file_) {
    if ((mode & fmCreate) == fmCreate) throw EFCreateError("Cannot create file " + fileName);
    throw EFOpenError("Cannot open file " + fileName);
  }
  // Unbuffered, so that Write reports what reached the file: a write that fails (a full disk)
  // raises there instead of being lost when the stream closes.
  if (std::string_view(OpenModeText(mode)) != "rb") std::setvbuf(file_, nullptr, _IONBF, 0);
}

TFileStream::~TFileStream() { std::fclose(file_); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastAccess::Read);
  return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(LastAccess::Write);
  return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  last_ = LastAccess::None;
  if (SeekFile(file_, offset, kWhence[origin]) != 0) return -1;
  return TellFile(file_);
}

void TFileStream::SetSize(int64_t newSize) {
  int64_t position = Position();
  std::fflush(file_);
  if (!TruncateFile(file_, std::max<int64_t>(0, newSize))) throw EStreamError(SWriteError);
  SetPosition(std::min(position, newSize));
}

// C streams need a seek between a read and a following write (and the other way round).
void TFileStream::SwitchTo(LastAccess access) {
  if (last_ != LastAccess::None && last_ != access) SeekFile(file_, 0, SEEK_CUR);
  last_ = access;
}
