#include "platform/posix/strftime_items.hpp"

#include <cstring>
#include <optional>

namespace bootspan {

namespace {

// Composites inside composites are expanded this deep.
constexpr int kMaxExpansionDepth = 4;
// The most format text one parse reads, the expansions of its composites
// counted each time they are read. A locale's formats are a few dozen bytes;
// this bound keeps a hostile one from taking time or memory that grows with
// the power of the expansion depth.
constexpr std::size_t kMaxFormatBytes = 1024;

// What one parse may still read; running out ends the parse.
struct TReadBudget {
  std::size_t left = kMaxFormatBytes;
  bool exhausted = false;

  // Takes `n` bytes from what is left; false once there are not enough.
  bool take(std::size_t n) {
    if (exhausted || n > left) {
      exhausted = true;
      return false;
    }
    left -= n;
    return true;
  }
};

void appendLiteral(TFormatItems& items, std::string_view text) {
  if (text.empty()) return;
  if (!items.empty() && !items.back().isConversion) {
    items.back().literal += text;
  } else {
    TFormatItem item;
    item.literal = std::string(text);
    items.push_back(std::move(item));
  }
}

// The format a composite conversion stands for, or nothing for a plain one.
std::optional<std::string> compositeOf(char conversion, const TStrftimeFormats& formats) {
  switch (conversion) {
    case 'D':
      return "%m/%d/%y";
    case 'F':
      return "%Y-%m-%d";
    case 'T':
      return "%H:%M:%S";
    case 'R':
      return "%H:%M";
    case 'r':
      return amPmFormatOf(formats);
    case 'x':
      return formats.date;
    case 'X':
      return formats.time;
    case 'c':
      return formats.dateTime;
    default:
      return std::nullopt;
  }
}

void parseInto(TFormatItems& items, std::string_view format, const TStrftimeFormats& formats,
               int depth, TReadBudget& budget) {
  if (!budget.take(format.size())) return;
  std::size_t i = 0;
  while (i < format.size()) {
    const std::size_t percent = format.find('%', i);
    if (percent == std::string_view::npos) {
      appendLiteral(items, format.substr(i));
      return;
    }
    appendLiteral(items, format.substr(i, percent - i));
    std::size_t j = percent + 1;
    char flag = 0;
    while (j < format.size() && std::strchr("_-0^#", format[j]) != nullptr)
      flag = format[j++];
    while (j < format.size() && format[j] >= '0' && format[j] <= '9')
      ++j;  // field width
    while (j < format.size() && (format[j] == 'E' || format[j] == 'O'))
      ++j;                     // alternatives
    if (j >= format.size()) {  // a "%" that ends the format stands for itself
      appendLiteral(items, format.substr(percent));
      return;
    }
    const char conversion = format[j];
    i = j + 1;
    if (conversion == '%') {
      appendLiteral(items, "%");
    } else if (conversion == 'n') {
      appendLiteral(items, "\n");
    } else if (conversion == 't') {
      appendLiteral(items, "\t");
    } else if (auto composite = compositeOf(conversion, formats)) {
      if (depth < kMaxExpansionDepth) parseInto(items, *composite, formats, depth + 1, budget);
      if (budget.exhausted) return;
    } else {
      TFormatItem item;
      item.isConversion = true;
      item.conversion = conversion;
      item.flag = flag;
      items.push_back(std::move(item));
    }
  }
}

}  // namespace

std::string amPmFormatOf(const TStrftimeFormats& formats) {
  return formats.amPmTime.empty() ? std::string("%I:%M:%S %p") : formats.amPmTime;
}

TFormatItems parseFormat(std::string_view format, const TStrftimeFormats& formats) {
  TFormatItems items;
  TReadBudget budget;
  parseInto(items, format, formats, 0, budget);
  if (budget.exhausted) return {};
  return items;
}

}  // namespace bootspan
