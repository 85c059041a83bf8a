#include "errors/core/companion_path.hpp"

#include <cstring>

namespace bootspan {

namespace {

constexpr DWORD kProgramPathSize = 261;
// Abbreviations are three letters; room for a few more before the query fails.
constexpr int kAbbreviationSize = 16;

// Where the extension of the zero-terminated `path` begins (its '.'), or its
// end when the file name has none. Steps character-wise through `backend`.
const char* extensionStart(Platform& backend, const char* path) {
  const char* dot = nullptr;
  const char* p = path;
  while (*p != '\0') {
    if (*p == '\\') dot = nullptr;
    if (*p == '.') dot = p;
    const char* next = backend.CharNextA(p);
    if (next <= p) break;  // a step that makes no progress ends the scan
    p = next;
  }
  return dot != nullptr ? dot : p;
}

}  // namespace

bool companionPath(Platform& backend, char (&path)[kCompanionPathSize]) {
  char abbreviation[kAbbreviationSize];
  const int written = backend.GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME,
                                             abbreviation, kAbbreviationSize);
  if (written <= 1 || written > kAbbreviationSize) return false;
  const std::size_t abbreviationLength = std::strlen(abbreviation);
  if (abbreviationLength == 0) return false;

  char program[kProgramPathSize];
  const DWORD length = backend.GetModuleFileNameA(programModule(), program, kProgramPathSize);
  if (length == 0 || length >= kProgramPathSize - 1) return false;
  program[length] = '\0';

  const auto stem = static_cast<std::size_t>(extensionStart(backend, program) - program);
  if (stem + 1 + abbreviationLength >= kCompanionPathSize) return false;
  std::memcpy(path, program, stem);
  path[stem] = '.';
  std::memcpy(path + stem + 1, abbreviation, abbreviationLength + 1);
  return true;
}

}  // namespace bootspan
