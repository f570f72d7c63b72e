// bare_wininet_bench URL FILE [BUFFER]: the floor of the download benchmark, a plain WinInet loop
// without up's client. Sends the GET that up sends (HTTP/1.0, reload), reads the answer into FILE
// with reads of BUFFER bytes (default 1 MB) and prints "BYTES SECONDS" on success.
#include "classlib/desktop/Win32.h"

#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr DWORD kDefaultBuffer = 1 << 20;

struct TInternet {
  HINTERNET handle;
  ~TInternet() {
    if (handle) InternetCloseHandle(handle);
  }
};

// The bytes written, or -1 when a call failed.
long long Download(const char* url, const char* fileName, DWORD bufferSize) {
  TInternet internet{InternetOpenA("bare_wininet_bench", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)};
  if (!internet.handle) return -1;
  char host[256] = {}, path[2048] = {};
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof host;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = sizeof path;
  if (!InternetCrackUrlA(url, 0, 0, &parts)) return -1;
  TInternet connection{
      InternetConnectA(internet.handle, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)};
  if (!connection.handle) return -1;
  TInternet request{HttpOpenRequestA(connection.handle, "GET", path, "HTTP/1.0", nullptr, nullptr,
                                     INTERNET_FLAG_RELOAD, 0)};
  if (!request.handle || !HttpSendRequestA(request.handle, nullptr, 0, nullptr, 0)) return -1;
  HANDLE file = CreateFileA(fileName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  std::vector<char> buffer(bufferSize);
  long long total = 0;
  for (;;) {
    DWORD read = 0, written = 0;
    if (!InternetReadFile(request.handle, buffer.data(), bufferSize, &read)) total = -1;
    if (read == 0 || total < 0) break;
    if (!WriteFile(file, buffer.data(), read, &written, nullptr) || written != read) {
      total = -1;
      break;
    }
    total += read;
  }
  CloseHandle(file);
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  const DWORD bufferSize = argc == 4 ? DWORD(std::strtoul(argv[3], nullptr, 10)) : kDefaultBuffer;
  if ((argc != 3 && argc != 4) || bufferSize == 0) {
    std::fprintf(stderr, "usage: bare_wininet_bench URL FILE [BUFFER]\n");
    return 2;
  }
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const long long bytes = Download(argv[1], argv[2], bufferSize);
  QueryPerformanceCounter(&stop);
  if (bytes < 0) {
    std::fprintf(stderr, "bare_wininet_bench: the download failed\n");
    return 1;
  }
  std::printf("%lld %.6f\n", bytes, double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart));
  return 0;
}
