#include "errors/core/message_directives.hpp"

namespace bootspan {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Moves `at` over a number of the grammar: one '*' or a run of digits.
void skipNumber(std::string_view text, std::size_t& at) {
  if (at < text.size() && text[at] == '*') {
    ++at;
    return;
  }
  while (at < text.size() && isDigit(text[at]))
    ++at;
}

// Finds the next directive of `text` from `at`; moves `at` past it and
// returns it, or returns the empty view when no directive is left.
std::string_view nextDirective(std::string_view text, std::size_t& at) {
  while (at < text.size()) {
    if (text[at] != '%') {
      ++at;
      continue;
    }
    const std::size_t start = at++;
    if (at < text.size() && text[at] == '%') {
      ++at;
      continue;
    }
    for (;;) {
      if (at < text.size() && text[at] == '-') ++at;
      skipNumber(text, at);
      if (at < text.size() && text[at] == ':') {
        ++at;
        continue;
      }
      break;
    }
    if (at < text.size() && text[at] == '.') {
      ++at;
      skipNumber(text, at);
    }
    if (at < text.size()) ++at;  // the type letter
    return text.substr(start, at - start);
  }
  return {};
}

}  // namespace

bool sameDirectives(std::string_view a, std::string_view b) {
  std::size_t atA = 0;
  std::size_t atB = 0;
  for (;;) {
    const std::string_view directiveA = nextDirective(a, atA);
    const std::string_view directiveB = nextDirective(b, atB);
    if (directiveA != directiveB) return false;
    if (directiveA.empty()) return true;
  }
}

}  // namespace bootspan
