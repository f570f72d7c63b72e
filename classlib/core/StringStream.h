#pragma once
// A stream over an 8-bit string (bytes), for object texts and other small texts.
#include <cstdint>
#include <string>

#include "classlib/core/Stream.h"

class TStringStream : public TStream {
public:
  explicit TStringStream(std::string data = {}) : data_(std::move(data)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t newSize) override;

  const std::string& DataString() const { return data_; }
  std::string ReadString(int64_t count);  // up to count bytes from the position
  void WriteString(const std::string& text);

private:
  std::string data_;
  int64_t position_ = 0;
};
