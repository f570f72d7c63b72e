#include "classlib/core/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "classlib/core/FileStream.h"
#include "classlib/core/StreamErrors.h"

int64_t TCustomMemoryStream::Read(void* buffer, int64_t count) {
  if (position_ < 0 || count <= 0 || position_ >= size_) return 0;
  int64_t n = std::min(count, size_ - position_);
  std::memcpy(buffer, memory_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soFromBeginning: position_ = offset; break;
    case soFromCurrent: position_ += offset; break;
    case soFromEnd: position_ = size_ + offset; break;
  }
  return position_;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(memory_, size_); }

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

void TCustomMemoryStream::SetPointer(const void* memory, int64_t size) {
  memory_ = static_cast<const uint8_t*>(memory);
  size_ = size;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (position_ < 0 || count <= 0) return 0;
  if (position_ > MaxMemoryStreamSize || count > MaxMemoryStreamSize - position_) throw EStreamError(SMemoryStreamError);
  int64_t end = position_ + count;
  if (end > Size()) Resize(end);
  std::memcpy(buffer_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

void TMemoryStream::SetSize(int64_t newSize) {
  Resize(std::max<int64_t>(0, newSize));
  if (position_ > newSize) position_ = newSize;
}

void TMemoryStream::Clear() {
  buffer_.clear();
  buffer_.shrink_to_fit();
  SetPointer(nullptr, 0);
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  int64_t count = stream.Size();
  SetSize(count);
  if (count != 0) stream.ReadBuffer(buffer_.data(), count);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::Resize(int64_t newSize) {
  try {
    if (newSize > MaxMemoryStreamSize) throw std::bad_alloc();
    buffer_.resize(static_cast<size_t>(newSize));
  } catch (const std::bad_alloc&) {
    throw EStreamError(SMemoryStreamError);
  } catch (const std::length_error&) {
    throw EStreamError(SMemoryStreamError);
  }
  SetPointer(buffer_.data(), newSize);
}
