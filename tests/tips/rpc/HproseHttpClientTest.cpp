#include "tips/rpc/HproseHttpClient.h"

#include "classlib/desktop/Win32.h"
#include <winsock2.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>

#include "HproseValuePrinter.h"
#include "classlib/core/SysUtils.h"
#include "tips/rpc/Base64.h"
#include "tips/rpc/HproseErrors.h"
#include "tips/rpc/Md5.h"

namespace {

// The server of with-hprose-server.sh, which runs this program.
std::string ServerAddress() {
  const char* port = std::getenv("KEST_HPROSE_PORT");
  if (!port || !*port) return {};
  return std::string("http://127.0.0.1:") + port;
}

std::string ServiceUri() { return ServerAddress() + "/"; }

// A port of 127.0.0.1 that nothing listens on.
int ClosedPort() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int size = sizeof(address);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
  closesocket(probe);
  WSACleanup();
  return ntohs(address.sin_port);
}

const HproseValue& Member(const HproseValue& map, const std::wstring& key) {
  for (const auto& [name, value] : map.AsMap()) {
    if (name.AsString() == key) return value;
  }
  throw std::runtime_error("no member " + std::string(key.begin(), key.end()));
}

std::wstring Lowered(std::wstring text) {
  for (wchar_t& unit : text) unit = static_cast<wchar_t>(std::towlower(unit));
  return text;
}

class HproseHttpClientTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(ServerAddress().empty()) << "KEST_HPROSE_PORT is not set: run this program through "
                                          "tests/tips/rpc/with-hprose-server.sh (ctest does)";
    client.SetURI(ServiceUri());
    client.SetRetry(0);
  }

  // Wine's WinInet can crash the process at exit while a kept-alive connection is still pooled,
  // so every test ends with a call that closes the connection.
  void TearDown() override {
    THproseHttpClient closing;
    closing.SetURI(ServiceUri());
    closing.SetRetry(0);
    closing.SetKeepAlive(false);
    try {
      closing.Invoke(L"calls", {L"h170308"});
    } catch (const std::exception&) {
    }
  }

  std::int64_t CallsOf(const std::wstring& function) {
    return client.Invoke(L"calls", {function}).AsInteger();
  }

  THproseHttpClient client;
};

TEST_F(HproseHttpClientTest, CallsTheTipsFunctionWithTheSignature) {
  const std::string id = "10001", account = "alice";
  const std::string signature = LowerCase(MD5ToHex(MD5OfString(id + account + id)));
  const HproseValue result = client.Invoke(L"h170308", {L"10001", L"alice", std::wstring(signature.begin(), signature.end())});
  const std::wstring encoded = result.AsString();
  std::string address;
  DecodeBase64(std::string(encoded.begin(), encoded.end()), address, true);
  EXPECT_EQ(address, "http://127.0.0.1/kest_tips/popup?id=10001");
}

TEST_F(HproseHttpClientTest, ArgumentsArriveAsTheirText) {
  const HproseValue arrived = client.Invoke(L"inspect", {L"\u4F60\u597D", L"A\xD83D\xDE00\u4E2D", L"", L"a\"\r\nb", L"X"});
  const HproseValue expected = HproseValue::List({
      HproseValue::String(L"string:%E4%BD%A0%E5%A5%BD"),
      HproseValue::String(L"string:A%F0%9F%98%80%E4%B8%AD"),
      HproseValue::String(L"string:"),
      HproseValue::String(L"string:a%22%0D%0Ab"),
      HproseValue::String(L"string:X"),
  });
  EXPECT_EQ(arrived, expected);
}

TEST_F(HproseHttpClientTest, ResultsComeBackWithTheirReferencesResolved) {
  const std::vector<std::wstring> sent = {L"alice", L"alice", L"\u4F60\u597D", L"alice"};
  const HproseValue echoed = client.Invoke(L"echo", sent);
  ASSERT_EQ(echoed.AsList().size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(echoed.AsList()[i].AsString(), sent[i]);
}

TEST_F(HproseHttpClientTest, NullAndEmptyResults) {
  EXPECT_TRUE(client.Invoke(L"nothing", {}).IsNull());
  EXPECT_EQ(client.Invoke(L"empty", {}), HproseValue::String(L""));
}

TEST_F(HproseHttpClientTest, ServerErrorRaisesAtOnceWithTheServersText) {
  client.SetRetry(3);
  const std::int64_t before = CallsOf(L"h170308");
  try {
    client.Invoke(L"h170308", {L"1", L"a", L"not the signature"});
    FAIL() << "no error raised";
  } catch (const EHproseServerError& error) {
    EXPECT_EQ(error.ServerMessage(), L"bad signature for 1");
  }
  EXPECT_EQ(CallsOf(L"h170308"), before + 1);
}

TEST_F(HproseHttpClientTest, ServerErrorTextReachesTheMessageInTheChineseCodePage) {
  try {
    client.Invoke(L"fail", {});
    FAIL() << "no error raised";
  } catch (const EHproseServerError& error) {
    EXPECT_EQ(error.ServerMessage(), L"\u5931\u8D25: \"quoted\"\r\nsecond line");
    EXPECT_EQ(error.Message(), "\xCA\xA7\xB0\xDC: \"quoted\"\r\nsecond line");
  }
}

TEST_F(HproseHttpClientTest, UnknownFunctionRaises) {
  EXPECT_THROW(client.Invoke(L"nosuchfn", {}), EHproseServerError);
}

TEST_F(HproseHttpClientTest, ClosedPortRaisesAfterTheRetries) {
  client.SetURI("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/");
  client.SetRetry(2);
  try {
    client.Invoke(L"h170308", {L"1", L"a", L"s"});
    FAIL() << "no error raised";
  } catch (const EHproseTransportError& error) {
    EXPECT_NE(error.Message().find("after 3 tries"), std::string::npos) << error.Message();
  }
}

TEST_F(HproseHttpClientTest, UnansweredCallTimesOutAndIsTriedAgain) {
  client.SetTimeout(500);
  client.SetRetry(2);
  const std::int64_t before = CallsOf(L"hang");
  EXPECT_THROW(client.Invoke(L"hang", {}), EHproseTransportError);
  EXPECT_EQ(CallsOf(L"hang"), before + 3);
}

TEST_F(HproseHttpClientTest, SendsTheUserAgentAndKeepAliveHeaders) {
  client.SetUserAgent("Mozilla/5.0 (WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Safari/537.36 KEST/1.2.3.4");
  client.SetKeepAlive(true);
  client.SetKeepAliveTimeout(300);
  const HproseValue headers = client.Invoke(L"headers", {});
  EXPECT_EQ(Member(headers, L"user-agent").AsString(),
            L"Mozilla/5.0 (WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Safari/537.36 KEST/1.2.3.4");
  EXPECT_EQ(Lowered(Member(headers, L"connection").AsString()), L"keep-alive");
  EXPECT_EQ(Member(headers, L"keep-alive").AsString(), L"300");
  EXPECT_EQ(Member(headers, L"content-type").AsString(), L"application/hprose");
}

TEST_F(HproseHttpClientTest, UserAgentSetBeforeEachCallIsTheOneSent) {
  client.SetUserAgent("first");
  EXPECT_EQ(Member(client.Invoke(L"headers", {}), L"user-agent").AsString(), L"first");
  client.SetUserAgent("second");
  EXPECT_EQ(Member(client.Invoke(L"headers", {}), L"user-agent").AsString(), L"second");
}

TEST_F(HproseHttpClientTest, KeptAliveConnectionIsReused) {
  client.SetKeepAlive(true);
  const HproseValue first = client.Invoke(L"headers", {});
  const HproseValue second = client.Invoke(L"headers", {});
  EXPECT_EQ(Member(first, L"client-port"), Member(second, L"client-port"));
}

TEST_F(HproseHttpClientTest, WithoutKeepAliveEachCallClosesItsConnection) {
  client.SetKeepAlive(false);
  const HproseValue first = client.Invoke(L"headers", {});
  const HproseValue second = client.Invoke(L"headers", {});
  EXPECT_EQ(Lowered(Member(first, L"connection").AsString()), L"close");
  EXPECT_NE(Member(first, L"client-port"), Member(second, L"client-port"));
}

TEST_F(HproseHttpClientTest, ConnectionClosedByTheServerWhileIdleIsReplaced) {
  client.SetKeepAlive(true);
  const HproseValue before = client.Invoke(L"headers", {});
  client.Invoke(L"dropConnection", {});
  Sleep(200);  // let the server's close arrive before the next call
  const HproseValue after = client.Invoke(L"headers", {});
  EXPECT_NE(Member(before, L"client-port"), Member(after, L"client-port"));
}

TEST_F(HproseHttpClientTest, AddressThatIsNotHttpRaises) {
  client.SetURI("ftp://127.0.0.1/");
  EXPECT_THROW(client.Invoke(L"nothing", {}), EHproseException);
}

enum class Failure { Transport, Format };

struct BrokenCase {
  const char* name;
  const char* path;
  Failure failure;
  int requests;  // with two retries
};

void PrintTo(const BrokenCase& c, std::ostream* out) { *out << c.name; }

class BrokenAnswerTest : public HproseHttpClientTest, public testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenAnswerTest, RaisesAndTriesAgainOnlyWhenTheAnswerDidNotArrive) {
  client.SetURI(ServerAddress() + GetParam().path);
  client.SetRetry(2);
  try {
    client.Invoke(L"nothing", {});
    ADD_FAILURE() << "no error raised";
  } catch (const EHproseTransportError&) {
    EXPECT_EQ(GetParam().failure, Failure::Transport);
  } catch (const EHproseFormatError&) {
    EXPECT_EQ(GetParam().failure, Failure::Format);
  }
  client.SetURI(ServiceUri());
  EXPECT_EQ(CallsOf(std::wstring(GetParam().path, GetParam().path + std::strlen(GetParam().path))), GetParam().requests);
}

INSTANTIATE_TEST_SUITE_P(Answers, BrokenAnswerTest,
    testing::Values(
        BrokenCase{"HttpStatus503", "/broken/status", Failure::Transport, 3},
        BrokenCase{"CutShortOfItsLength", "/broken/truncated", Failure::Transport, 3},
        BrokenCase{"NotHprose", "/broken/garbage", Failure::Format, 1},
        BrokenCase{"EmptyBody", "/broken/empty", Failure::Format, 1}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

}  // namespace
