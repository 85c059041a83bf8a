#include "locale/sys_locale_loader.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "locale/parse_int.hpp"
#include "locale/sys_locale.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

constexpr LCID kEnglishUnitedStates = 0x0409;
constexpr std::uint32_t kDefaultPrimaryLanguage = 9;  // LANG_ENGLISH
constexpr std::uint32_t kDefaultSubLanguage = 1;      // SUBLANG_ENGLISH_US
constexpr DWORD kPlatformNt = 2;                      // VER_PLATFORM_WIN32_NT
constexpr int kDbcsEnabled = 42;                      // SM_DBCSENABLED
constexpr int kMidEastEnabled = 74;                   // SM_MIDEASTENABLED
constexpr DWORD kCtype2 = 2;                          // CT_CTYPE2
constexpr WORD kRightToLeft = 2;                      // C2_RIGHTTOLEFT
constexpr int kCodePageBufferSize = 7;
constexpr int kMaxLeadBytePairs = 6;

// The twelve primary languages written in a western script, all below 32.
constexpr std::array<std::uint32_t, 12> kWesternLanguages = {0x00, 0x06, 0x07, 0x09, 0x0A, 0x0B,
                                                             0x0C, 0x10, 0x13, 0x14, 0x16, 0x1D};

// Whether any of the bytes 0x80..0xFF is of the right-to-left class in
// `locale`; a failed query counts as none.
bool hasRightToLeftBytes(LCID locale) {
  std::array<char, 128> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(0x80 + i);
  std::array<WORD, 128> classes{};
  if (!platform().GetStringTypeExA(locale, kCtype2, bytes.data(), static_cast<int>(bytes.size()),
                                   classes.data())) {
    return false;
  }
  return std::find(classes.begin(), classes.end(), kRightToLeft) != classes.end();
}

}  // namespace

void loadSysLocale() {
  TSysLocaleInfo& info = sysLocale;
  info.defaultLcid = kEnglishUnitedStates;
  info.primaryLanguage = kDefaultPrimaryLanguage;
  info.subLanguage = kDefaultSubLanguage;
  info.farEast = false;
  info.middleEast = false;

  const LCID id = platform().GetThreadLocale();
  if (id != 0) info.defaultLcid = id;
  if ((id & 0xFFFF) != 0) {
    info.primaryLanguage = id & 0x3FF;       // [0, 1023]
    info.subLanguage = (id & 0xFFFF) >> 10;  // [0, 63]
  }

  leadBytes.clear();
  if (platformInfo.platformId == kPlatformNt) {
    if (isWesternLanguage()) return;
    loadLeadBytes();
    info.farEast = !leadBytes.empty();
    if (info.farEast) return;
    info.middleEast = hasRightToLeftBytes(info.defaultLcid);
  } else {
    info.middleEast = platform().GetSystemMetrics(kMidEastEnabled) != 0;
    info.farEast = platform().GetSystemMetrics(kDbcsEnabled) != 0;
    if (info.farEast) loadLeadBytes();
  }
}

UINT codePageOfLocale(LCID locale) {
  std::array<char, kCodePageBufferSize> buffer{};
  const int written = platform().GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, buffer.data(),
                                                kCodePageBufferSize);
  const UINT ansi = platform().GetACP();
  if (written <= 0) return ansi;
  // The answer up to its first zero byte, never past the buffer.
  const std::size_t length = std::find(buffer.begin(), buffer.end(), '\0') - buffer.begin();
  return static_cast<UINT>(
      parseIntOr(std::string_view(buffer.data(), length), static_cast<std::int32_t>(ansi)));
}

void loadLeadBytes() {
  CPINFO info{};
  if (!platform().GetCPInfo(codePageOfLocale(sysLocale.defaultLcid), &info)) return;
  for (int pair = 0; pair < kMaxLeadBytePairs; ++pair) {
    const unsigned low = info.LeadByte[2 * pair];
    const unsigned high = info.LeadByte[2 * pair + 1];
    if (low == 0 && high == 0) break;
    // [low, high] within [0, 255]; the set itself refuses the byte 0.
    for (unsigned b = low; b <= high; ++b)
      leadBytes.add(static_cast<unsigned char>(b));
  }
}

bool isWesternLanguage() {
  return std::find(kWesternLanguages.begin(), kWesternLanguages.end(), sysLocale.primaryLanguage) !=
         kWesternLanguages.end();
}

}  // namespace bootspan
