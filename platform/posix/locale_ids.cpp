#include "platform/posix/locale_ids.hpp"

#include <optional>

namespace bootspan {

namespace {

struct TLocaleIdRow {
  const char* name;  // "ll" (the language's main id) or "ll_TT"
  LCID id;
};

constexpr TLocaleIdRow kLocaleIds[] = {
    {"ar", 0x0401},    {"ar_SA", 0x0401}, {"ar_EG", 0x0C01}, {"bg", 0x0402},    {"ca", 0x0403},
    {"zh", 0x0804},    {"zh_TW", 0x0404}, {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004},
    {"zh_MO", 0x1404}, {"cs", 0x0405},    {"da", 0x0406},    {"de", 0x0407},    {"de_DE", 0x0407},
    {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"de_BE", 0x0407},
    {"el", 0x0408},    {"en", 0x0409},    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
    {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en_IN", 0x4009},
    {"en_SG", 0x4809}, {"es", 0x0C0A},    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_AR", 0x2C0A},
    {"es_CL", 0x340A}, {"es_CO", 0x240A}, {"es_US", 0x540A}, {"fi", 0x040B},    {"fr", 0x040C},
    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_LU", 0x140C},
    {"he", 0x040D},    {"hu", 0x040E},    {"is", 0x040F},    {"it", 0x0410},    {"it_IT", 0x0410},
    {"it_CH", 0x0810}, {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},    {"nl_NL", 0x0413},
    {"nl_BE", 0x0813}, {"nb", 0x0414},    {"no", 0x0414},    {"nn", 0x0814},    {"pl", 0x0415},
    {"pt", 0x0816},    {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ro", 0x0418},    {"ru", 0x0419},
    {"hr", 0x041A},    {"sk", 0x041B},    {"sq", 0x041C},    {"sv", 0x041D},    {"sv_SE", 0x041D},
    {"sv_FI", 0x081D}, {"th", 0x041E},    {"tr", 0x041F},    {"ur", 0x0420},    {"id", 0x0421},
    {"uk", 0x0422},    {"be", 0x0423},    {"sl", 0x0424},    {"et", 0x0425},    {"lv", 0x0426},
    {"lt", 0x0427},    {"fa", 0x0429},    {"vi", 0x042A},    {"hi", 0x0439},    {"ms", 0x043E},
    {"sr", 0x241A},    {"ga", 0x083C},    {"eu", 0x042D},    {"gl", 0x0456},    {"cy", 0x0452},
    {"af", 0x0436},    {"ka", 0x0437},    {"hy", 0x042B},    {"kk", 0x043F},    {"bn", 0x0445},
    {"ta", 0x0449},
};

constexpr LCID kFallbackLocaleId = 0x0409;

std::optional<LCID> lookUpLocaleId(std::string_view name) {
  for (const TLocaleIdRow& row : kLocaleIds) {
    if (name == row.name) return row.id;
  }
  return std::nullopt;
}

}  // namespace

LCID lcidOfLocaleName(std::string_view name) {
  // "language_TERRITORY.codeset@modifier": keep language and territory.
  const std::size_t end = name.find_first_of(".@");
  const std::string_view base = name.substr(0, end);
  if (auto id = lookUpLocaleId(base)) return *id;
  const std::string_view language = base.substr(0, base.find('_'));
  if (auto id = lookUpLocaleId(language)) return *id;
  return kFallbackLocaleId;
}

}  // namespace bootspan
