#include "datetext/pattern_bytes.hpp"

#include <cstddef>

#include "locale/multibyte.hpp"

namespace bootspan {

// The forms differ in their second or third byte except "AAAA" and "AAA",
// where the longer is tried first, so one look at the second byte picks the
// forms to compare.
AForm aFormAt(const char* p, const char* end) {
  const std::ptrdiff_t left = end - p;
  if (left < 3) return AForm::none;
  if (isLetter(p[1], 'M')) {
    if (left >= 5 && p[2] == '/' && isLetter(p[3], 'P') && isLetter(p[4], 'M')) {
      return AForm::amSlashPm;
    }
    if (left >= 4 && isLetter(p[2], 'P') && isLetter(p[3], 'M')) return AForm::amPm;
    return AForm::none;
  }
  if (p[1] == '/') return isLetter(p[2], 'P') ? AForm::aSlashP : AForm::none;
  if (isLetter(p[1], 'A') && isLetter(p[2], 'A')) {
    return left >= 4 && isLetter(p[3], 'A') ? AForm::aaaa : AForm::aaa;
  }
  return AForm::none;
}

const char* platformStep(const char* p, const char* end) {
  if (end - p < 2 || p[1] == '\0') return p + 1;
  const char* next = zNextChar(p);
  if (next <= p) return p + 1;
  return next < end ? next : end;
}

}  // namespace bootspan
