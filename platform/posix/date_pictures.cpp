#include "platform/posix/date_pictures.hpp"

#include <algorithm>

namespace bootspan {

namespace {

enum class TDateField { none, day, month, year };

TDateField dateFieldOf(const TFormatItem& item) {
  if (!item.isConversion) return TDateField::none;
  switch (item.conversion) {
    case 'd':
    case 'e':
      return TDateField::day;
    case 'm':
    case 'b':
    case 'B':
    case 'h':
      return TDateField::month;
    case 'y':
    case 'Y':
    case 'g':
    case 'G':
      return TDateField::year;
    default:
      return TDateField::none;
  }
}

bool unpadded(const TFormatItem& item) {
  return item.flag == '-' || item.flag == '_';
}

// The picture tokens of one conversion; empty when the renderer has none.
std::string tokenOf(const TFormatItem& item, bool plainNumbers) {
  const bool noZero = plainNumbers || unpadded(item);
  switch (item.conversion) {
    case 'd':
      return noZero ? "d" : "dd";
    case 'e':
      return "d";
    case 'm':
      return noZero ? "M" : "MM";
    case 'y':
    case 'g':
      return plainNumbers ? "yyyy" : "yy";
    case 'Y':
    case 'G':
      return "yyyy";
    case 'b':
    case 'h':
      return "MMM";
    case 'B':
      return "MMMM";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    case 'H':
      return noZero ? "H" : "HH";
    case 'k':
      return "H";
    case 'I':
      return noZero ? "h" : "hh";
    case 'l':
      return "h";
    case 'M':
      return noZero ? "n" : "nn";  // "n" is always the minute, "m" may be the month
    case 'S':
      return noZero ? "s" : "ss";
    case 'p':
    case 'P':
      return "AMPM";
    default:
      return "";
  }
}

// Whether the renderer copies byte `c` of a literal as it stands.
bool inertInPicture(unsigned char c, bool slashIsSeparator) {
  if (c >= 0x80 || c < 0x20) return false;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return false;
  if (c == '\'' || c == '"' || c == ':') return false;
  if (c == '/') return slashIsSeparator;
  return true;
}

// `text` as a literal of the picture: bare when every byte stands for itself,
// else in single quotes (a single quote itself in double quotes).
std::string quoteLiteral(std::string_view text, bool slashIsSeparator) {
  if (std::all_of(text.begin(), text.end(), [&](char c) {
        return inertInPicture(static_cast<unsigned char>(c), slashIsSeparator);
      })) {
    return std::string(text);
  }
  std::string out;
  bool open = false;
  for (char c : text) {
    if (c == '\'') {
      if (open) out += '\'';
      open = false;
      out += "\"'\"";
    } else {
      if (!open) out += '\'';
      open = true;
      out += c;
    }
  }
  if (open) out += '\'';
  return out;
}

std::string pictureOf(const TFormatItems& items, std::string_view dateSeparator,
                      bool plainNumbers) {
  const bool slashIsSeparator = dateSeparator == "/";
  std::string picture;
  for (const TFormatItem& item : items) {
    picture += item.isConversion ? tokenOf(item, plainNumbers)
                                 : quoteLiteral(item.literal, slashIsSeparator);
  }
  return picture;
}

bool hasNonAsciiLiteral(const TFormatItems& items) {
  return std::any_of(items.begin(), items.end(), [](const TFormatItem& item) {
    return !item.isConversion && std::any_of(item.literal.begin(), item.literal.end(), [](char c) {
      return static_cast<unsigned char>(c) >= 0x80;
    });
  });
}

// The order of the first day, month and year fields, as letters "D", "M",
// "Y": "MDY" for %m/%d/%Y.
std::string fieldOrderOf(const TFormatItems& items) {
  std::string order;
  auto add = [&](char field) {
    if (order.find(field) == std::string::npos) order += field;
  };
  for (const TFormatItem& item : items) {
    switch (dateFieldOf(item)) {
      case TDateField::day:
        add('D');
        break;
      case TDateField::month:
        add('M');
        break;
      case TDateField::year:
        add('Y');
        break;
      case TDateField::none:
        break;
    }
  }
  return order;
}

}  // namespace

std::string datePicture(std::string_view format, const TStrftimeFormats& formats,
                        std::string_view dateSeparator) {
  return pictureOf(parseFormat(format, formats), dateSeparator, false);
}

std::string dateSeparatorOf(std::string_view dateFormat, const TStrftimeFormats& formats) {
  const TFormatItems items = parseFormat(dateFormat, formats);
  const auto first = std::find_if(items.begin(), items.end(), [](const TFormatItem& item) {
    return dateFieldOf(item) != TDateField::none;
  });
  // The literal right after the first date field, when a date field follows it.
  if (first != items.end() && first + 1 != items.end() && first + 2 != items.end() &&
      !(first + 1)->isConversion && dateFieldOf(*(first + 2)) != TDateField::none) {
    return (first + 1)->literal;
  }
  return "/";
}

std::string longDatePicture(std::string_view dateFormat, const TStrftimeFormats& formats,
                            std::string_view dateSeparator) {
  const TFormatItems items = parseFormat(dateFormat, formats);
  if (hasNonAsciiLiteral(items)) return pictureOf(items, dateSeparator, true);
  const std::string order = fieldOrderOf(items);
  if (order == "MDY") return "dddd, MMMM d, yyyy";
  if (order == "DMY") return dateSeparator == "." ? "dddd, d. MMMM yyyy" : "dddd, d MMMM yyyy";
  if (order == "YMD") return "yyyy MMMM d";
  return pictureOf(items, dateSeparator, true);
}

}  // namespace bootspan
