// download_bench URL FILE: one HttpGetFile of URL into FILE; prints "BYTES SECONDS" on success.
#include "up/InetClient.h"
#include "classlib/desktop/Win32.h"
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: download_bench URL FILE\n");
    return 2;
  }
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const bool ok = HttpGetFile(argv[1], argv[2]);
  QueryPerformanceCounter(&stop);
  if (!ok) {
    std::fprintf(stderr, "download_bench: the download failed\n");
    return 1;
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  GetFileAttributesExA(argv[2], GetFileExInfoStandard, &data);
  const double seconds = double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  std::printf("%lu %.6f\n", data.nFileSizeLow, seconds);
  return 0;
}
