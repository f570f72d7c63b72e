// Runs the shared routines on behalf of shell tests, which check the outcome from outside.
//   probe appfolder                      prints AppFolder
//   probe read KEY NAME INITIAL          prints the result and the text ReadRegString leaves
//   probe write-string KEY NAME DATA     prints the result of WriteRegString
//   probe write-integer KEY NAME NUMBER  prints the result of WriteRegInteger
//   probe delete KEY NAME                prints the result of DeleteRegKey
#include "common/Paths.h"
#include "common/RegistryRoutines.h"
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "appfolder") {
    std::printf("%s\n", AppFolder().c_str());
  } else if (command == "read" && argc == 5) {
    std::string text = argv[4];
    const bool opened = ReadRegString(text, argv[3], argv[2], HKEY_CURRENT_USER);
    std::printf("%d %s\n", opened, text.c_str());
  } else if (command == "write-string" && argc == 5) {
    std::printf("%d\n", WriteRegString(argv[4], argv[3], argv[2], HKEY_CURRENT_USER));
  } else if (command == "write-integer" && argc == 5) {
    std::printf("%d\n", WriteRegInteger(std::atoi(argv[4]), argv[3], argv[2], HKEY_CURRENT_USER));
  } else if (command == "delete" && argc == 4) {
    std::printf("%d\n", DeleteRegKey(argv[3], argv[2], HKEY_CURRENT_USER));
  } else {
    std::fprintf(stderr, "usage: probe appfolder | read | write-string | write-integer | delete ...\n");
    return 2;
  }
  return 0;
}
