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
  backend.WriteFile(out, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  backend.WriteFile(out, "\r\n", 2, &written, nullptr);
}

}  // namespace bootspan
