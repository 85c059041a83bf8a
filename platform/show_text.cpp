#include "platform/show_text.hpp"

#include <cstdio>
#include <cstring>

namespace bootspan {

void showText(Platform& backend, bool console, const char* text, const char* caption, UINT style) {
  if (!console) {
    backend.MessageBoxA(nullptr, text, caption, style);
    return;
  }
  std::fflush(stdout);  // what the program printed comes first
  const HANDLE out = backend.GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  for (const char* line = text;;) {
    const char* const feed = std::strchr(line, '\n');
    std::size_t length =
        feed != nullptr ? static_cast<std::size_t>(feed - line) : std::strlen(line);
    if (feed != nullptr && length != 0 && line[length - 1] == '\r') --length;  // already CR LF
    backend.WriteFile(out, line, static_cast<DWORD>(length), &written, nullptr);
    backend.WriteFile(out, "\r\n", 2, &written, nullptr);
    if (feed == nullptr) return;
    line = feed + 1;
  }
}

}  // namespace bootspan
