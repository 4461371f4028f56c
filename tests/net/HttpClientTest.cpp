// The client against a scripted server on 127.0.0.1.
#include "net/HttpClient.h"
#include "net/HttpError.h"
#include "tests/net/ScriptedServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct StringSink : TByteSink {
  std::string bytes;
  void Write(const char* data, size_t size) override { bytes.append(data, size); }
};

// Records the progress events as text: "begin N", "work N", "end".
struct Recorder {
  std::vector<std::string> events;
  void Attach(THttpClient& client) {
    client.OnWorkBegin = [this](TWorkMode, int64_t max) { events.push_back("begin " + std::to_string(max)); };
    client.OnWork = [this](TWorkMode, int64_t count) { events.push_back("work " + std::to_string(count)); };
    client.OnWorkEnd = [this](TWorkMode) { events.push_back("end"); };
  }
};

std::string Ok(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Redirect(int status, const std::string& location, const std::string& extra = "") {
  return "HTTP/1.1 " + std::to_string(status) + " Moved\r\nLocation: " + location + "\r\n" + extra +
         "Content-Length: 0\r\n\r\n";
}

std::string RequestLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

std::string CookieOf(const std::string& request) {
  size_t at = request.find("\r\nCookie: ");
  return at == std::string::npos ? "" : request.substr(at + 10, request.find("\r\n", at + 2) - at - 10);
}

THttpClient Redirecting() {
  THttpClient client;
  client.HandleRedirects = true;
  return client;
}

TEST(HttpClient, SendsExactlyTheConfiguredRequest) {
  TScriptedServer server({Ok("hello")});
  THttpClient client;
  StringSink sink;
  client.Get(server.Url("/dir/file.exe?a=b&c=d"), sink);
  EXPECT_EQ(sink.bytes, "hello");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /dir/file.exe?a=b&c=d HTTP/1.1\r\n"
            "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
            "Content-Type: text/html\r\n"
            "Accept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "\r\n");
}

TEST(HttpClient, FollowsRedirectsOfEveryKindRelativeAndAbsolute) {
  for (int status : {301, 302, 303, 307, 308}) {
    for (std::string location : {"../other/b.bin?x=1", "http://127.0.0.1:{port}/abs/c.bin"}) {
      TScriptedServer server({Redirect(status, location), Ok("final")});
      THttpClient client = Redirecting();
      StringSink sink;
      client.Get(server.Url("/dir/sub/a.bin"), sink);
      EXPECT_EQ(sink.bytes, "final") << status << location;
      ASSERT_EQ(server.Requests().size(), 2u);
      EXPECT_EQ(RequestLine(server.Requests()[1]),
                location[0] == '.' ? "GET /dir/other/b.bin?x=1 HTTP/1.1" : "GET /abs/c.bin HTTP/1.1");
    }
  }
}

TEST(HttpClient, FifteenRedirectsAreFollowedTheSixteenthFails) {
  for (int redirects : {15, 16}) {
    std::vector<std::string> replies(static_cast<size_t>(redirects), Redirect(302, "/next"));
    replies.push_back(Ok("end"));
    TScriptedServer server(replies);
    THttpClient client = Redirecting();
    StringSink sink;
    if (redirects == 15) {
      client.Get(server.Url("/"), sink);
      EXPECT_EQ(sink.bytes, "end");
    } else {
      EXPECT_THROW(client.Get(server.Url("/"), sink), EHttpError);
      EXPECT_EQ(server.Requests().size(), 16u);
    }
  }
}

TEST(HttpClient, RedirectIsAnErrorWhenNotHandled) {
  TScriptedServer server({Redirect(302, "/elsewhere")});
  THttpClient client;
  StringSink sink;
  try {
    client.Get(server.Url("/"), sink);
    ADD_FAILURE() << "no error";
  } catch (const EHttpProtocolError& e) {
    EXPECT_EQ(e.Status(), 302);
  }
}

TEST(HttpClient, KeepsCookiesAcrossRedirectsAndLaterRequests) {
  TScriptedServer server({
      Redirect(302, "/files/a.bin", "Set-Cookie: session=s1; Path=/\r\nSet-Cookie: gone=x; Max-Age=0\r\n"),
      "HTTP/1.1 200 OK\r\nSet-Cookie: files=f; Path=/files\r\nSet-Cookie: old=o; Expires=Sun, 06 Nov 1994 08:49:37 GMT\r\n"
      "Content-Length: 1\r\n\r\nA",
      Ok("B"),
      Ok("C"),
  });
  THttpClient client = Redirecting();
  StringSink sink;
  client.Get(server.Url("/start"), sink);
  client.Get(server.Url("/files/b.bin"), sink);
  client.Get(server.Url("/other"), sink);
  std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(CookieOf(requests[0]), "");
  EXPECT_EQ(CookieOf(requests[1]), "session=s1");
  EXPECT_EQ(CookieOf(requests[2]), "files=f; session=s1");
  EXPECT_EQ(CookieOf(requests[3]), "session=s1");
}

TEST(HttpClient, ReadsEachBodyFramingWithProgress) {
  struct Case {
    const char* name;
    std::string reply;
    const char* begin;
  } cases[] = {
      {"length", Ok("0123456789"), "begin 10"},
      {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4;ext=1\r\n0123\r\n6\r\n456789\r\n0\r\nX-T: 1\r\n\r\n", "begin 0"},
      {"close", "HTTP/1.0 200 OK\r\nServer: t\r\n\r\n0123456789", "begin 0"},
  };
  for (const Case& c : cases) {
    TScriptedServer server({c.reply});
    THttpClient client;
    Recorder recorder;
    recorder.Attach(client);
    StringSink sink;
    client.Get(server.Url("/f"), sink);
    EXPECT_EQ(sink.bytes, "0123456789") << c.name;
    ASSERT_GE(recorder.events.size(), 3u) << c.name;
    EXPECT_EQ(recorder.events.front(), c.begin) << c.name;
    EXPECT_EQ(recorder.events[recorder.events.size() - 2], "work 10") << c.name;
    EXPECT_EQ(recorder.events.back(), "end") << c.name;
  }
}

TEST(HttpClient, FailuresRaiseAndStillEndTheProgress) {
  struct Case {
    const char* name;
    std::string reply;
    bool bodyStarted;
  } cases[] = {
      {"length cut short", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0123", true},
      {"chunk cut short", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\n0123", true},
      {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", true},
      {"overlong header", "HTTP/1.1 200 OK\r\nX: " + std::string(16382, 'a') + "\r\n\r\n", false},
      {"overlong status line", "HTTP/1.1 200 " + std::string(16400, 'a') + "\r\n\r\n", false},
      {"no response", "", false},
      {"not http", "SSH-2.0\r\n\r\n", false},
  };
  for (const Case& c : cases) {
    TScriptedServer server({c.reply});
    THttpClient client;
    Recorder recorder;
    recorder.Attach(client);
    StringSink sink;
    EXPECT_THROW(client.Get(server.Url("/f"), sink), EHttpError) << c.name;
    EXPECT_EQ(!recorder.events.empty() && recorder.events.back() == "end", c.bodyStarted) << c.name;
  }
}

TEST(HttpClient, LineOfExactlyTheLimitIsAccepted) {
  TScriptedServer server({"HTTP/1.1 200 OK\r\nX: " + std::string(16381, 'a') + "\r\nContent-Length: 2\r\n\r\nok"});
  THttpClient client;
  StringSink sink;
  client.Get(server.Url("/"), sink);
  EXPECT_EQ(sink.bytes, "ok");
}

TEST(HttpClient, StatusOutsideSuccessIsAnErrorWithoutProgress) {
  TScriptedServer server({"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"});
  THttpClient client;
  Recorder recorder;
  recorder.Attach(client);
  StringSink sink;
  try {
    client.Get(server.Url("/missing"), sink);
    ADD_FAILURE() << "no error";
  } catch (const EHttpProtocolError& e) {
    EXPECT_EQ(e.Status(), 404);
    EXPECT_STREQ(e.what(), "HTTP/1.1 404 Not Found");
  }
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_EQ(sink.bytes, "");
}

TEST(HttpClient, RefusedConnectionAndHttpsFail) {
  THttpClient client;
  StringSink sink;
  EXPECT_THROW(client.Get("http://127.0.0.1:" + std::to_string(TScriptedServer::ClosedPort()) + "/", sink), EHttpError);
  TScriptedServer server({});
  EXPECT_THROW(client.Get("https://127.0.0.1:" + std::to_string(server.Port()) + "/", sink), EHttpError);
}

TEST(HttpClient, DisconnectFromAProgressEventEndsTheTransfer) {
  std::string body(8 * 1024 * 1024, 'x');
  TScriptedServer server({Ok(body)});
  THttpClient client;
  Recorder recorder;
  recorder.Attach(client);
  client.OnWork = [&](TWorkMode, int64_t count) {
    recorder.events.push_back("work " + std::to_string(count));
    client.Disconnect();
  };
  StringSink sink;
  EXPECT_THROW(client.Get(server.Url("/big"), sink), EHttpError);
  ASSERT_EQ(recorder.events.size(), 3u);
  EXPECT_EQ(recorder.events[0], "begin " + std::to_string(body.size()));
  EXPECT_EQ(recorder.events[2], "end");
  EXPECT_LT(sink.bytes.size(), body.size());
}

}  // namespace
