// The installer's road: a fresh temporary name, the download, the silent start.
#include "up/InetClient.h"
#include "up/RunFile.h"
#include "up/TempFiles.h"
#include "LocalServer.h"
#include "TempFolder.h"

using HttpGetFileTest = TempFolderFixture;

namespace {

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

// The stand-in installer appends one line per start to "<its path>.log".
std::string WaitForRecord(const std::string& program) {
  for (int attempt = 0; attempt < 400; ++attempt) {
    const std::string record = ReadBytes(program + ".log");
    if (record.find('\n') != std::string::npos) return record;
    Sleep(50);
  }
  return {};
}

} // namespace

TEST_F(HttpGetFileTest, DownloadsIntoFreshTemporaryNamesAndStartsTheInstallerSilently) {
  WriteBytes(Folder() + "0.exe", "left over from an earlier run");
  const std::string installer = TempExeName(".exe");
  ASSERT_EQ(installer, Folder() + "67387906.exe");
  ASSERT_TRUE(HttpGetFile(ServerUrl("/installer.exe"), installer));
  EXPECT_EQ(ReadBytes(Folder() + "0.exe"), "left over from an earlier run");
  EXPECT_EQ(TempExeName(".exe"), Folder() + "1849087502.exe");

  RunFile(installer, "/VERYSILENT");
  const std::string record = WaitForRecord(installer);
  ASSERT_FALSE(record.empty()) << "the installer did not start";
  EXPECT_NE(record.find("show=1 "), std::string::npos) << record;
  EXPECT_NE(record.find("argc=1 "), std::string::npos) << record;
  EXPECT_NE(record.find("67387906.exe\" /VERYSILENT\r\n"), std::string::npos) << record;
  EXPECT_TRUE(PathExists(installer)) << "the downloaded installer is kept";
}

TEST_F(HttpGetFileTest, ReplacesAnExistingFileWholly) {
  const std::string file = Folder() + "download.bin";
  WriteBytes(file, std::string(50000, 'x'));
  ASSERT_TRUE(HttpGetFile(ServerUrl("/bytes/3000"), file));
  EXPECT_EQ(ReadBytes(file), Pattern(3000));
}

TEST_F(HttpGetFileTest, StoresTheBodyOfAnErrorStatus) {
  const std::string file = Folder() + "page.html";
  EXPECT_TRUE(HttpGetFile(ServerUrl("/missing.exe"), file));
  EXPECT_EQ(ReadBytes(file), "<html><body><h1>404 Not Found</h1></body></html>");
}

TEST_F(HttpGetFileTest, LeavesAnEmptyFileWhenTheServerCannotBeReached) {
  const std::string file = Folder() + "setup.exe";
  WriteBytes(file, "old");
  EXPECT_FALSE(HttpGetFile("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/setup.exe", file));
  ASSERT_TRUE(PathExists(file));
  EXPECT_EQ(ReadBytes(file), "");
}

TEST_F(HttpGetFileTest, FailsWhenTheFileCannotBeCreated) {
  EXPECT_FALSE(HttpGetFile(ServerUrl("/bytes/10"), Folder() + "no\\such\\folder\\setup.exe"));
}

class BrokenDownloadTest : public TempFolderFixture, public testing::WithParamInterface<const char*> {};

// The connection breaks after half of the announced bytes: the download fails and the part stays.
TEST_P(BrokenDownloadTest, FailsAndLeavesThePartInPlace) {
  const std::string file = Folder() + "setup.exe";
  EXPECT_FALSE(HttpGetFile(ServerUrl(std::string(GetParam()) + "200000"), file));
  ASSERT_TRUE(PathExists(file));
  const std::string part = ReadBytes(file);
  EXPECT_LT(part.size(), 200000u);
  EXPECT_EQ(part, Pattern(part.size()));
}

INSTANTIATE_TEST_SUITE_P(Breaks, BrokenDownloadTest, testing::Values("/truncated/", "/reset/"),
                         [](const auto& info) { return std::string(info.param).substr(1, 5); });

// The server sends half of the installer and then nothing: the download gives up after the stall
// limit and keeps the part it got.
TEST_F(HttpGetFileTest, GivesUpOnADownloadThatStalls) {
  const std::string file = Folder() + "setup.exe";
  const DWORD start = GetTickCount();
  EXPECT_FALSE(HttpGetFile(ServerUrl("/stall/200000"), file, nullptr, {1000, 1000, 1000}));
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 900u);
  EXPECT_LT(elapsed, 8000u);
  const std::string part = ReadBytes(file);
  EXPECT_GT(part.size(), 0u);
  EXPECT_LT(part.size(), 200000u);
}
