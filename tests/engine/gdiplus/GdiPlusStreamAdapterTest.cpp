// TMyStreamAdapter: a class-library stream seen through IStream, with every failure of the stream
// turned into the method's error result.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "classlib/core/MemoryStream.h"
#include "engine/gdiplus/GdiPlusStreamAdapter.h"

namespace {

// A memory stream that can be told to fail, to accept only some bytes, or to report its end.
class TestStream : public TMemoryStream {
public:
  bool failReads = false;
  bool failWrites = false;
  bool failSeeks = false;
  int64_t writeLimit = -1;  // bytes accepted per write, -1: all
  bool* destroyed = nullptr;

  ~TestStream() override {
    if (destroyed) *destroyed = true;
  }
  int64_t Read(void* buffer, int64_t count) override {
    if (failReads) throw std::runtime_error("read");
    return TMemoryStream::Read(buffer, count);
  }
  int64_t Write(const void* buffer, int64_t count) override {
    if (failWrites) throw std::runtime_error("write");
    return TMemoryStream::Write(buffer, writeLimit >= 0 ? std::min(count, writeLimit) : count);
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    if (failSeeks) throw std::runtime_error("seek");
    return TMemoryStream::Seek(offset, origin);
  }
  std::string Text() { return std::string(static_cast<const char*>(Memory()), size_t(Size())); }
};

// A stream whose size cannot change.
class FixedStream : public TCustomMemoryStream {
public:
  FixedStream() { SetPointer(data_, sizeof(data_)); }
  int64_t Write(const void*, int64_t) override { return 0; }

private:
  char data_[4] = {'a', 'b', 'c', 'd'};
};

LARGE_INTEGER Offset(int64_t value) {
  LARGE_INTEGER offset;
  offset.QuadPart = value;
  return offset;
}

ULARGE_INTEGER Count(uint64_t value) {
  ULARGE_INTEGER count;
  count.QuadPart = value;
  return count;
}

class GdiPlusStreamAdapter : public testing::Test {
protected:
  GdiPlusStreamAdapter() {
    stream.WriteBuffer("hello world", 11);
    stream.SetPosition(0);
  }
  TestStream stream;
  TStreamInterface adapter = TMyStreamAdapter::Create(stream);
};

TEST_F(GdiPlusStreamAdapter, ReadsWritesAndSeeksThroughTheStream) {
  char buffer[8] = {};
  ULONG done = 0;
  EXPECT_EQ(adapter->Read(buffer, 5, &done), S_OK);
  EXPECT_EQ(done, 5u);
  EXPECT_EQ(std::string(buffer, 5), "hello");

  ULARGE_INTEGER position{};
  EXPECT_EQ(adapter->Seek(Offset(-2), STREAM_SEEK_END, &position), S_OK);
  EXPECT_EQ(position.QuadPart, 9u);
  EXPECT_EQ(adapter->Write("LD!", 3, &done), S_OK);
  EXPECT_EQ(done, 3u);
  EXPECT_EQ(stream.Text(), "hello worLD!");

  EXPECT_EQ(adapter->Seek(Offset(-6), STREAM_SEEK_CUR, &position), S_OK);
  EXPECT_EQ(position.QuadPart, 6u);
  EXPECT_EQ(adapter->Read(buffer, 8, nullptr), S_OK);  // the count is optional
  EXPECT_EQ(std::string(buffer, 6), "worLD!");
}

TEST_F(GdiPlusStreamAdapter, BadArgumentsAndStreamFailuresBecomeErrorResults) {
  ULONG done = 0;
  EXPECT_EQ(adapter->Read(nullptr, 4, &done), STG_E_INVALIDPOINTER);
  EXPECT_EQ(adapter->Write(nullptr, 4, &done), STG_E_INVALIDPOINTER);
  EXPECT_EQ(adapter->Seek(Offset(0), 3, nullptr), STG_E_INVALIDFUNCTION);

  char buffer[4];
  stream.failReads = stream.failWrites = stream.failSeeks = true;
  EXPECT_EQ(adapter->Read(buffer, 4, &done), S_FALSE);
  EXPECT_EQ(adapter->Write("x", 1, &done), STG_E_CANTSAVE);
  EXPECT_EQ(adapter->Seek(Offset(0), STREAM_SEEK_SET, nullptr), STG_E_INVALIDPOINTER);
}

TEST_F(GdiPlusStreamAdapter, SetSizeSucceedsOnlyWhenTheSizeReallyChanged) {
  EXPECT_EQ(adapter->SetSize(Count(5)), S_OK);
  EXPECT_EQ(stream.Size(), 5);

  FixedStream fixed;
  TStreamInterface fixedAdapter = TMyStreamAdapter::Create(fixed);
  EXPECT_EQ(fixedAdapter->SetSize(Count(2)), E_FAIL);
}

TEST_F(GdiPlusStreamAdapter, CopyToMovesUpToTheCountAndReportsTotals) {
  TestStream target;
  TStreamInterface targetAdapter = TMyStreamAdapter::Create(target);
  ULARGE_INTEGER read{}, written{};
  EXPECT_EQ(adapter->CopyTo(targetAdapter.get(), Count(5), &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 5u);
  EXPECT_EQ(written.QuadPart, 5u);
  EXPECT_EQ(target.Text(), "hello");

  // More than is left: the copy ends at the end of the stream.
  EXPECT_EQ(adapter->CopyTo(targetAdapter.get(), Count(uint64_t(-1)), &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 6u);
  EXPECT_EQ(target.Text(), "hello world");
}

TEST_F(GdiPlusStreamAdapter, CopyToStopsAtAShortOrFailingWrite) {
  TestStream target;
  TStreamInterface targetAdapter = TMyStreamAdapter::Create(target);
  target.writeLimit = 3;
  ULARGE_INTEGER read{}, written{};
  EXPECT_EQ(adapter->CopyTo(targetAdapter.get(), Count(11), &read, &written), E_FAIL);
  EXPECT_EQ(read.QuadPart, 11u);
  EXPECT_EQ(written.QuadPart, 3u);

  target.writeLimit = -1;
  target.failWrites = true;
  stream.SetPosition(0);
  EXPECT_EQ(adapter->CopyTo(targetAdapter.get(), Count(11), &read, &written), STG_E_CANTSAVE);

  stream.failReads = true;
  EXPECT_EQ(adapter->CopyTo(targetAdapter.get(), Count(11), &read, &written), E_UNEXPECTED);
}

TEST_F(GdiPlusStreamAdapter, StatDescribesAStreamOfTheCurrentSize) {
  FILETIME before;
  GetSystemTimeAsFileTime(&before);
  STATSTG stat;
  std::memset(&stat, 0xCC, sizeof(stat));
  ASSERT_EQ(adapter->Stat(&stat, STATFLAG_DEFAULT), S_OK);
  EXPECT_EQ(sizeof(stat), sizeof(void*) == 8 ? 80u : 72u);  // the platform's record, not a stand-in
  EXPECT_EQ(stat.pwcsName, nullptr);
  EXPECT_EQ(stat.type, DWORD(STGTY_STREAM));
  EXPECT_EQ(stat.cbSize.QuadPart, 11u);
  EXPECT_EQ(stat.grfLocksSupported, DWORD(LOCK_WRITE));
  EXPECT_EQ(stat.grfMode, 0u);
  auto ticks = [](FILETIME t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  EXPECT_LT(ticks(stat.mtime) > ticks(before) ? ticks(stat.mtime) - ticks(before) : ticks(before) - ticks(stat.mtime),
            uint64_t(60) * 10000000);  // within a minute of now, in UTC
  EXPECT_EQ(ticks(stat.ctime), ticks(stat.mtime));
  EXPECT_EQ(adapter->Stat(nullptr, STATFLAG_DEFAULT), S_OK);
}

TEST_F(GdiPlusStreamAdapter, TheUnsupportedMethodsAnswerTheirFixedResults) {
  EXPECT_EQ(adapter->Commit(0), S_OK);
  EXPECT_EQ(adapter->Revert(), STG_E_REVERTED);
  EXPECT_EQ(adapter->LockRegion(Count(0), Count(1), LOCK_WRITE), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(adapter->UnlockRegion(Count(0), Count(1), LOCK_WRITE), STG_E_INVALIDFUNCTION);
  IStream* clone = adapter.get();
  EXPECT_EQ(adapter->Clone(&clone), E_NOTIMPL);
  EXPECT_EQ(clone, nullptr);
}

TEST_F(GdiPlusStreamAdapter, AnswersForItsInterfacesAndFreesAnOwnedStreamWithItself) {
  IUnknown* unknown = nullptr;
  ASSERT_EQ(adapter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  unknown->Release();
  void* other = nullptr;
  EXPECT_EQ(adapter->QueryInterface(IID_IDispatch, &other), E_NOINTERFACE);

  bool destroyed = false;
  auto* owned = new TestStream;
  owned->destroyed = &destroyed;
  TStreamInterface owner = TMyStreamAdapter::Create(*owned, soOwned);
  owner->AddRef();
  owner->Release();
  EXPECT_FALSE(destroyed);
  owner.reset();
  EXPECT_TRUE(destroyed);
}

}  // namespace
