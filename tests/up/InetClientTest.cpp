#include "up/InetClient.h"
#include "LocalServer.h"
#include "TempFolder.h"
#include <nlohmann/json.hpp>

namespace {

// The request as the server's /echo route saw it.
nlohmann::json Echoed(const std::string& answer) {
  nlohmann::json request = nlohmann::json::parse(answer, nullptr, false);
  EXPECT_TRUE(request.is_object()) << answer;
  return request;
}

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

} // namespace

TEST(HttpGetText, ReturnsTheBodyAsRawBytes) {
  EXPECT_EQ(HttpGetText(ServerUrl("/bytes/10000")), Pattern(10000));
}

TEST(HttpGetText, ReturnsTheBodyOfAnErrorStatus) {
  EXPECT_EQ(HttpGetText(ServerUrl("/no-such-page")), "<html><body><h1>404 Not Found</h1></body></html>");
}

TEST(HttpGetText, IsEmptyOnEveryFailure) {
  EXPECT_EQ(HttpGetText("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/update/"), "");
  EXPECT_EQ(HttpGetText(ServerHost() + "/bytes/10"), "");          // no "://"
  EXPECT_EQ(HttpGetText("gopher://" + ServerHost() + "/bytes/10"), ""); // unknown protocol
}

TEST(HttpGetText, SendsAPlainHttp10GetWithTheFixedHeaders) {
  const nlohmann::json request = Echoed(HttpGetText(ServerUrl("/echo/update/")));
  EXPECT_EQ(request["method"], "GET");
  EXPECT_EQ(request["url"], "/echo/update/");
  EXPECT_EQ(request["httpVersion"], "1.0");
  EXPECT_EQ(request["headers"]["user-agent"], TInetClient().UserAgent);
  EXPECT_EQ(request["headers"]["content-type"], "application/x-www-form-urlencoded");
  EXPECT_EQ(request["headers"]["accept-encoding"], "gzip,deflate");
  EXPECT_EQ(request["body"], "");
}

TEST(HttpGetText, PostsEncodedFieldsJoinedWithAmpersands) {
  const TPostFields fields{"name=a b", "sum=1+2", "x=#"};
  const nlohmann::json request = Echoed(HttpGetText(ServerUrl("/echo"), &fields));
  EXPECT_EQ(request["method"], "POST");
  EXPECT_EQ(request["body"], "name=a%20b&sum=1%2B2&x=%23");
}

TEST(TInetClient, AddsExtraHeadersAndCanLeaveDecodingOut) {
  TInetClient client;
  client.DecodingWanted = false;
  client.ExtraHeaders = {"X-Kest: one", "Accept-Language: zh-CN"};
  std::string answer;
  ASSERT_TRUE(client.FetchText(ServerUrl("/echo"), answer));
  const nlohmann::json request = Echoed(answer);
  EXPECT_EQ(request["headers"]["x-kest"], "one");
  EXPECT_EQ(request["headers"]["accept-language"], "zh-CN");
  EXPECT_FALSE(request["headers"].contains("accept-encoding"));
  EXPECT_FALSE(client.DecodingOn());
}

TEST(TInetClient, DecodesCompressedAnswers) {
  TInetClient client;
  std::string text;
  ASSERT_TRUE(client.FetchText(ServerUrl("/gzip"), text));
  ASSERT_TRUE(client.DecodingOn());
  std::string expected;
  for (int i = 0; i < 50; ++i) expected += "compressed body text ";
  EXPECT_EQ(text, expected);
}

TEST(TInetClient, EncodesThePathWhenAsked) {
  TInetClient client;
  client.EncodePath = true;
  std::string answer;
  ASSERT_TRUE(client.FetchText(ServerUrl("/echo/a b+c"), answer));
  EXPECT_EQ(Echoed(answer)["url"], "/echo/a%20b%2Bc");
}

TEST(TInetClient, KeepsItsInternetHandleAcrossFetchesAndAfterClose) {
  TInetClient client;
  std::string text;
  EXPECT_TRUE(client.FetchText(ServerUrl("/bytes/5"), text));
  EXPECT_FALSE(client.FetchText("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/", text));
  EXPECT_TRUE(client.Failed());
  EXPECT_TRUE(client.FetchText(ServerUrl("/bytes/7"), text));
  EXPECT_FALSE(client.Failed());
  EXPECT_EQ(text, Pattern(7));
  client.Close();
  EXPECT_TRUE(client.FetchText(ServerUrl("/bytes/9"), text));
  EXPECT_EQ(text, Pattern(9));
}

TEST(TInetClient, ReportsProgressWithTheAnnouncedTotal) {
  TInetClient client;
  std::vector<std::pair<int64_t, int64_t>> notices;
  client.OnProgress = [&](TInetClient& sender, int64_t total, int64_t current, bool&) {
    EXPECT_EQ(&sender, &client);
    notices.emplace_back(total, current);
  };
  std::string text;
  ASSERT_TRUE(client.FetchText(ServerUrl("/bytes/20000"), text));
  ASSERT_FALSE(notices.empty());
  for (size_t i = 0; i < notices.size(); ++i) {
    EXPECT_EQ(notices[i].first, 20000);
    if (i) EXPECT_GT(notices[i].second, notices[i - 1].second);
  }
  EXPECT_EQ(notices.back().second, 20000);
}

TEST(TInetClient, AnAbortedTransferFails) {
  TInetClient client;
  int notices = 0;
  client.OnProgress = [&](TInetClient&, int64_t, int64_t, bool& abort) { abort = ++notices == 1; };
  std::string text;
  EXPECT_FALSE(client.FetchText(ServerUrl("/bytes/200000"), text));
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(client.Aborted());
  EXPECT_TRUE(client.Failed());
  EXPECT_LT(text.size(), 200000u);
  // The next fetch starts with the flag cleared.
  client.OnProgress = nullptr;
  EXPECT_TRUE(client.FetchText(ServerUrl("/bytes/10"), text));
  EXPECT_FALSE(client.Aborted());
}

class ProxyModeTest : public testing::TestWithParam<int> {};

// Direct (0), the system's settings (1) and a named proxy without a server (2) all reach the server
// straight away: the test system has no proxy configured.
TEST_P(ProxyModeTest, ConnectsDirectlyWithoutANamedProxy) {
  TInetClient client;
  client.ProxyMode = GetParam();
  std::string answer;
  ASSERT_TRUE(client.FetchText(ServerUrl("/echo"), answer));
  EXPECT_EQ(Echoed(answer)["url"], "/echo");
}

INSTANTIATE_TEST_SUITE_P(Modes, ProxyModeTest, testing::Values(0, 1, 2));

// Through the server as a named proxy, the request line shows which port the client chose
// (WinInet writes it out, also the default one).
struct PortCase {
  const char* url;
  const char* seenByProxy;
  friend std::ostream& operator<<(std::ostream& out, const PortCase& c) { return out << c.url; }
};

class PortRuleTest : public testing::TestWithParam<PortCase> {};

TEST_P(PortRuleTest, FollowsThePortRules) {
  TInetClient client;
  client.ProxyMode = 2;
  client.ProxyServer = ServerHost();
  std::string answer;
  ASSERT_TRUE(client.FetchText(GetParam().url, answer));
  EXPECT_EQ(Echoed(answer)["url"], GetParam().seenByProxy);
}

INSTANTIATE_TEST_SUITE_P(Cases, PortRuleTest,
                         testing::Values(PortCase{"http://update.test/echo", "http://update.test:80/echo"},
                                         PortCase{"http://update.test:8080/echo", "http://update.test:8080/echo"},
                                         PortCase{"http://update.test:8080x/echo", "http://update.test:80/echo"},
                                         PortCase{"http://update.test:99999/echo", "http://update.test:80/echo"},
                                         PortCase{"http://u:p@update.test:81/echo", "http://update.test:81/echo"}));

TEST(PortRule, HttpsDefaultsTo443) {
  TInetClient client;
  client.ProxyMode = 2;
  client.ProxyServer = ServerHost();
  // The proxy refuses the tunnel; its refusal is the answer.
  std::string answer;
  client.FetchText("https://update.test/x", answer);
  EXPECT_EQ(HttpGetText(ServerUrl("/last-connect")), "update.test:443");
  client.FetchText("HTTPS://update.test:8443/x", answer);
  EXPECT_EQ(HttpGetText(ServerUrl("/last-connect")), "update.test:8443");
}

TEST(FtpFetch, LogsInWithTheUrlsUserAndKnowsTheSize) {
  TInetClient client;
  int64_t total = 0;
  client.OnProgress = [&](TInetClient&, int64_t size, int64_t, bool&) { total = size; };
  std::string text;
  ASSERT_TRUE(client.FetchText(FtpUrl("kest:secret@", "/files/bytes/10000"), text));
  EXPECT_EQ(text, Pattern(10000));
  EXPECT_EQ(total, 10000);
}

TEST(FtpFetch, LogsInAnonymouslyWithoutAUser) {
  EXPECT_EQ(HttpGetText(FtpUrl("", "/files/bytes/300")), Pattern(300));
}

TEST(FtpFetch, FailsOnAWrongPasswordOrAMissingFile) {
  TInetClient client;
  std::string text;
  EXPECT_FALSE(client.FetchText(FtpUrl("kest:wrong@", "/files/bytes/10"), text));
  EXPECT_FALSE(client.FetchText(FtpUrl("kest:secret@", "/files/missing.exe"), text));
  EXPECT_TRUE(client.Failed());
}

namespace {

// Milliseconds a call takes.
template <class F>
DWORD Timed(F&& call) {
  const DWORD start = GetTickCount();
  call();
  return GetTickCount() - start;
}

constexpr TInetTimeouts kShortTimeouts{1000, 1000, 1000};

} // namespace

// A server that accepts the request and never answers: the fetch gives up after the receive
// time-out instead of waiting for ever.
TEST(HttpGetText, GivesUpOnAServerThatNeverAnswers) {
  std::string text = "not fetched";
  const DWORD elapsed = Timed([&] { text = HttpGetText(ServerUrl("/silent"), nullptr, kShortTimeouts); });
  EXPECT_EQ(text, "");
  EXPECT_GE(elapsed, 900u);
  EXPECT_LT(elapsed, 8000u);
}

TEST(TInetClient, TakesItsTimeoutsInEveryProxyMode) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    TInetClient client;
    client.ProxyMode = mode;
    client.SetTimeouts(kShortTimeouts);
    EXPECT_EQ(client.ReceiveTimeout, 1000);
    std::string text;
    const DWORD elapsed = Timed([&] { EXPECT_FALSE(client.FetchText(ServerUrl("/silent"), text)); });
    EXPECT_LT(elapsed, 8000u);
    EXPECT_TRUE(client.Failed());
    // The handle stays usable for the next fetch.
    EXPECT_TRUE(client.FetchText(ServerUrl("/bytes/100"), text));
    EXPECT_EQ(text, Pattern(100));
  }
}
