#pragma once
// Streams over a block of memory: a read-only view (the base of resource streams) and a growable
// buffer owned by the stream.
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Stream.h"

// In-memory streams hold at most 2 GB, as the classic library's 32-bit sizes; larger sizes raise
// EStreamError "Out of memory while expanding memory stream" before anything is allocated.
inline constexpr int64_t MaxMemoryStreamSize = INT32_MAX;

class TCustomMemoryStream : public TStream {
public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }
  const void* Memory() const { return memory_; }
  void SaveToStream(TStream& stream);
  void SaveToFile(const std::string& fileName);

protected:
  void SetPointer(const void* memory, int64_t size);
  int64_t position_ = 0;

private:
  const uint8_t* memory_ = nullptr;
  int64_t size_ = 0;
};

class TMemoryStream : public TCustomMemoryStream {
public:
  int64_t Write(const void* buffer, int64_t count) override;
  void SetSize(int64_t newSize) override;  // EStreamError "Out of memory while expanding memory stream"
  void* Memory() { return buffer_.data(); }
  void Clear();
  void LoadFromStream(TStream& stream);  // the whole stream, from its start
  void LoadFromFile(const std::string& fileName);

private:
  std::vector<uint8_t> buffer_;
  void Resize(int64_t newSize);
};
