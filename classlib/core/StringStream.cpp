#include "classlib/core/StringStream.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/StreamErrors.h"

int64_t TStringStream::Read(void* buffer, int64_t count) {
  if (position_ < 0 || count <= 0 || position_ >= Size()) return 0;
  int64_t n = std::min(count, Size() - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TStringStream::Write(const void* buffer, int64_t count) {
  if (position_ < 0 || count <= 0) return 0;
  if (position_ > MaxMemoryStreamSize || count > MaxMemoryStreamSize - position_) throw EStreamError(SMemoryStreamError);
  int64_t end = position_ + count;
  if (end > Size()) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soFromBeginning: position_ = offset; break;
    case soFromCurrent: position_ += offset; break;
    case soFromEnd: position_ = Size() + offset; break;
  }
  return position_;
}

void TStringStream::SetSize(int64_t newSize) {
  if (newSize > MaxMemoryStreamSize) throw EStreamError(SMemoryStreamError);
  data_.resize(static_cast<size_t>(std::max<int64_t>(0, newSize)));
  position_ = std::min(position_, Size());
}

std::string TStringStream::ReadString(int64_t count) {
  std::string text(static_cast<size_t>(std::clamp<int64_t>(std::min(count, Size() - position_), 0, Size())), '\0');
  text.resize(static_cast<size_t>(Read(text.data(), static_cast<int64_t>(text.size()))));
  return text;
}

void TStringStream::WriteString(const std::string& text) {
  WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}
