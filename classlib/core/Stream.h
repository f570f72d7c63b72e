#pragma once
// The abstract byte stream of the class library: positioned reads and writes with Seek.
#include <cstdint>

enum TSeekOrigin : int { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
public:
  virtual ~TStream() = default;

  // Read and Write move as many bytes as they can and return that count (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position; positions past the end are allowed (a later write fills the gap).
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t position) { Seek(position, soFromBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t newSize);  // streams that cannot resize ignore it
  int64_t Remaining();                    // bytes from the position to the end, 0 past the end

  // All or nothing: EReadError "Stream read error" / EWriteError "Stream write error" on a short count.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source's position; count 0 copies all of source from its start, a
  // negative count nothing.
  int64_t CopyFrom(TStream& source, int64_t count);
};
