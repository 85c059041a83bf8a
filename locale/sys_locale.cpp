#include "locale/sys_locale.hpp"

namespace bootspan {

TPlatformInfo platformInfo;
TSysLocaleInfo sysLocale;
TLeadByteSet leadBytes;

}  // namespace bootspan
