#include <algorithm>
#include <iterator>

#include "locale/locale_loader.hpp"
#include "locale/sys_locale.hpp"
#include "platform/platform.hpp"

namespace bootspan {

static_assert(sizeof(OSVERSIONINFOA) == 148, "GetVersionExA expects the 148-byte record");

void loadPlatformInfo() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!platform().GetVersionExA(&version)) return;
  TPlatformInfo& info = platformInfo;
  info.platformId = version.dwPlatformId;
  info.osMajorVersion = version.dwMajorVersion;
  info.osMinorVersion = version.dwMinorVersion;
  info.osBuildNumber = version.dwBuildNumber;
  // The service-pack text up to its first zero byte, never past its 128 bytes.
  const char* begin = std::begin(version.szCSDVersion);
  const char* end = std::end(version.szCSDVersion);
  info.osServicePack.assign(begin, std::find(begin, end, '\0'));
}

}  // namespace bootspan
