#include "locale/locale_formats.hpp"

namespace bootspan {

TLocaleFormats localeFormats;

}  // namespace bootspan
