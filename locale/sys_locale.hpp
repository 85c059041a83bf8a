// The system locale record, the lead-byte set and the platform identity.
// Written once at start-up, read without locks afterwards.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/win_types.hpp"

namespace bootspan {

struct TPlatformInfo {
  std::uint32_t platformId = 0;
  std::uint32_t osMajorVersion = 0;
  std::uint32_t osMinorVersion = 0;
  std::uint32_t osBuildNumber = 0;
  std::string osServicePack;
};

struct TSysLocaleInfo {
  std::uint32_t defaultLcid = 0;
  std::uint32_t primaryLanguage = 0;
  std::uint32_t subLanguage = 0;
  bool farEast = false;
  bool middleEast = false;
};

// The byte values that start a double-byte character. The byte 0 is never a
// member, whatever a code page's ranges say: it always ends a text, so every
// step over a character makes progress.
class TLeadByteSet {
 public:
  // No byte below the lowest member is one: text in an ASCII range is
  // answered with one comparison.
  bool contains(unsigned char b) const { return b >= lowest_ && bits_.test(b); }
  bool contains(char b) const { return contains(static_cast<unsigned char>(b)); }
  // Adds `b`; the byte 0 is ignored.
  void add(unsigned char b) {
    if (b == 0) return;
    bits_.set(b);
    if (b < lowest_) lowest_ = b;
  }
  void clear() {
    bits_.reset();
    lowest_ = 256;
  }
  bool empty() const { return bits_.none(); }
  std::size_t count() const { return bits_.count(); }

 private:
  std::bitset<256> bits_;
  unsigned lowest_ = 256;  // the lowest member, 256 for an empty set
};

extern TPlatformInfo platformInfo;
extern TSysLocaleInfo sysLocale;
extern TLeadByteSet leadBytes;

}  // namespace bootspan
