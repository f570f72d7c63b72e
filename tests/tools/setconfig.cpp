// setconfig PROGRAM Key=Value...   rewrites the configuration
// setconfig PROGRAM                 prints it
// Rewrites the deployment configuration (KESTCONFIG resource, Key=Value lines) of a program file in place:
// the given keys are replaced or added, the others kept. Tests aim copies of the real programs at local servers.
#include "ResourceFile.h"
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using TEntries = std::vector<std::pair<std::string, std::string>>;

TEntries ParseLines(const std::string& text) {
  TEntries entries;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t equals = line.find('=');
    if (equals != std::string::npos) entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    start = end + 1;
  }
  return entries;
}

void Set(TEntries& entries, const std::string& key, const std::string& value) {
  for (auto& entry : entries)
    if (entry.first == key) {
      entry.second = value;
      return;
    }
  entries.emplace_back(key, value);
}

std::string Joined(const TEntries& entries) {
  std::string text;
  for (const auto& [key, value] : entries) text += key + "=" + value + "\r\n";
  return text;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: setconfig PROGRAM [Key=Value...]\n");
    return 1;
  }
  const std::string program = argv[1];
  const LPCSTR type = MAKEINTRESOURCEA(10); // RT_RCDATA
  const auto current = ReadResource(program, type, "KESTCONFIG");
  TResourceData data = current.value_or(TResourceData{});
  if (argc == 2) {
    std::fwrite(data.Bytes.data(), 1, data.Bytes.size(), stdout);
    return current ? 0 : 1;
  }
  TEntries entries = ParseLines(data.Bytes);
  for (int i = 2; i < argc; ++i) {
    const std::string setting = argv[i];
    const size_t equals = setting.find('=');
    if (equals == std::string::npos || equals == 0) {
      std::fprintf(stderr, "setconfig: not a Key=Value setting: %s\n", setting.c_str());
      return 1;
    }
    Set(entries, setting.substr(0, equals), setting.substr(equals + 1));
  }
  data.Bytes = Joined(entries);
  std::string error;
  if (!WriteResource(program, type, "KESTCONFIG", data, error)) {
    std::fprintf(stderr, "setconfig: %s: %s\n", program.c_str(), error.c_str());
    return 1;
  }
  return 0;
}
