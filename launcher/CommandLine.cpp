#include "launcher/CommandLine.h"

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

// Appends Text at Out[Length]; the new length, or OutSize when it does not fit with its end.
size_t Append(char* Out, size_t OutSize, size_t Length, const char* Text) {
  for (; *Text; ++Text) {
    if (Length + 1 >= OutSize) return OutSize;
    Out[Length++] = *Text;
  }
  Out[Length] = '\0';
  return Length;
}

} // namespace

size_t NextParameter(const char*& Position, char* Out, size_t OutSize) {
  for (;;) {
    while (IsSeparator(*Position)) ++Position;
    if (Position[0] != '"' || Position[1] != '"') break;
    Position += 2;
  }
  size_t length = 0;
  bool quoted = false;
  for (; *Position; ++Position) {
    const char c = *Position;
    if (c == '"') quoted = !quoted;
    else if (!quoted && IsSeparator(c)) break;
    else {
      if (Out && length + 1 < OutSize) Out[length] = c;
      ++length;
    }
  }
  if (Out && OutSize > 0) Out[length < OutSize ? length : OutSize - 1] = '\0';
  return length;
}

bool BrowserCommand(const char* Folder, const char* CommandLine, char* Out, size_t OutSize) {
  if (OutSize == 0) return false;
  Out[0] = '\0';
  size_t length = Append(Out, OutSize, 0, Folder);
  if (length < OutSize) length = Append(Out, OutSize, length, "kest.exe");
  if (length >= OutSize) {
    Out[0] = '\0';
    return false;
  }
  const char* position = CommandLine;
  NextParameter(position, nullptr, 0); // the program itself
  // The first argument goes after a blank, read straight into its place.
  char* first = Out + length + 1;
  const size_t room = OutSize - length - 1;
  const size_t firstLength = NextParameter(position, room > 0 ? first : nullptr, room);
  if (firstLength == 0 || NextParameter(position, nullptr, 0) == 0) {
    Out[length] = '\0';
    return true;
  }
  if (firstLength >= room) {
    Out[0] = '\0';
    return false;
  }
  Out[length] = ' ';
  return true;
}
