#include "errors/unhandled_report.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "errors/core/exceptions.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/messages.hpp"
#include "errors/core/raise.hpp"
#include "errors/module_lookup.hpp"
#include "format/format_message.hpp"
#include "locale/multibyte.hpp"
#include "locale/whole_chars.hpp"
#include "platform/platform.hpp"
#include "platform/show_text.hpp"
#include "resources/string_ids.hpp"

namespace bootspan {

namespace {

constexpr std::size_t kReportCapacity = 1023;
constexpr int kTemplateSize = 256;
constexpr int kCaptionSize = 64;
constexpr std::size_t kModuleNameLimit = 260;
constexpr std::uintptr_t kNoModuleBias = 4096;

// Where a report places a failure: the name of the module holding the
// address, and the offset in it.
struct TReportPlace {
  char moduleName[kModuleNameLimit + 1];
  std::uintptr_t offset;
};

// The module whose committed region holds `address`, or else the program's
// own module with the address less 4096 (a null address staying 0).
TReportPlace reportPlace(Platform& backend, const void* address) {
  TReportPlace place{};
  place.offset = reinterpret_cast<std::uintptr_t>(address);
  TModuleAt module;
  if (findModuleAt(backend, address, module)) {
    place.offset -= reinterpret_cast<std::uintptr_t>(module.handle);
  } else {
    readModulePath(backend, programModule(), module.path);
    if (place.offset != 0) place.offset -= kNoModuleBias;
  }
  const char* separator = scanLastChar(module.path, '\\');
  const char* name = separator != nullptr ? separator + 1 : module.path;
  const std::size_t length = std::min(std::strlen(name), kModuleNameLimit);
  std::memcpy(place.moduleName, name, length);
  place.moduleName[length] = '\0';
  return place;
}

// The class name of `error` as a counted text: a length byte, then the name.
void countedClassName(const TObject* error, unsigned char (&counted)[256]) {
  if (error == nullptr) return;
  const std::string_view name = error->className();
  const std::size_t length = name.size() < 255 ? name.size() : 255;
  counted[0] = static_cast<unsigned char>(length);
  std::memcpy(counted + 1, name.data(), length);
}

}  // namespace

std::size_t composeReport(const TObject* error, const void* address, char* buffer,
                          std::size_t capacity) {
  const TReportPlace place = reportPlace(platform(), address);

  const char* message = "";
  const char* endMark = "";
  if (error != nullptr && error->is(Exception::classRef)) {
    const std::string& text = static_cast<const Exception*>(error)->message;
    message = text.c_str();
    if (!text.empty() && text.back() != '.') endMark = ".";
  }
  unsigned char className[256] = {};
  countedClassName(error, className);

  char templateText[kTemplateSize] = {};
  loadString(msg::reportTemplate, templateText, kTemplateSize);

  const TArgValue args[] = {shortTextArg(className), zTextArg(place.moduleName),
                            pointerArg(reinterpret_cast<const void*>(place.offset)),
                            zTextArg(message), zTextArg(endMark)};
  formatIntoZText(buffer, capacity, templateText, args);
  std::size_t length = std::strlen(buffer);
  // A full area may have cut its last character short.
  if (length == capacity) {
    length = wholeCharsLength(buffer, length);
    buffer[length] = '\0';
  }
  return length;
}

void showReport(const TObject* error, const void* address) {
  char text[kReportCapacity + 1];
  composeReport(error, address, text, kReportCapacity);
  char caption[kCaptionSize] = {};
  if (!isConsoleProcess) loadString(msg::reportCaption, caption, kCaptionSize);
  showText(platform(), isConsoleProcess, text, caption, MB_TASKMODAL | MB_ICONERROR);
}

void reportUnhandled(TObject* error, const void* address) {
  showReport(error, address);
  // Reported, the error has served; the preallocated heap errors refuse the
  // release and stay until the hooks are removed.
  releaseError(error);
  halt(1);
}

}  // namespace bootspan
