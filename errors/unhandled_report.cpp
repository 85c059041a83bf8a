#include "errors/unhandled_report.hpp"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "errors/core/exceptions.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/raise.hpp"
#include "format/format.hpp"
#include "locale/multibyte.hpp"
#include "platform/platform.hpp"

namespace bootspan {

namespace {

constexpr unsigned kReportTemplate = 65511;
constexpr unsigned kReportCaption = 65512;
constexpr std::size_t kReportCapacity = 1023;
constexpr int kTemplateSize = 256;
constexpr int kCaptionSize = 64;
constexpr DWORD kModulePathSize = 261;
constexpr std::size_t kModuleNameLimit = 260;
constexpr std::uintptr_t kNoModuleBias = 4096;

}  // namespace

std::size_t composeReport(const TObject* error, const void* address, char* buffer,
                          std::size_t capacity) {
  char path[kModulePathSize] = {};
  auto offset = reinterpret_cast<std::uintptr_t>(address);
  MEMORY_BASIC_INFORMATION region{};
  const bool inModule = platform().VirtualQuery(address, &region, sizeof region) != 0 &&
                        region.State == MEM_COMMIT &&
                        platform().GetModuleFileNameA(static_cast<HMODULE>(region.AllocationBase),
                                                      path, kModulePathSize) != 0;
  if (inModule) {
    offset -= reinterpret_cast<std::uintptr_t>(region.AllocationBase);
  } else {
    path[0] = '\0';
    platform().GetModuleFileNameA(programModule(), path, kModulePathSize);
    if (offset != 0) offset -= kNoModuleBias;
  }
  path[kModulePathSize - 1] = '\0';

  const char* separator = scanLastChar(path, '\\');
  char moduleName[kModuleNameLimit + 1];
  std::strncpy(moduleName, separator != nullptr ? separator + 1 : path, kModuleNameLimit);
  moduleName[kModuleNameLimit] = '\0';

  const char* message = "";
  const char* endMark = "";
  if (error != nullptr && error->is(Exception::classRef)) {
    const std::string& text = static_cast<const Exception*>(error)->message;
    message = text.c_str();
    if (!text.empty() && text.back() != '.') endMark = ".";
  }

  // The class name as a counted text: a length byte, then the name.
  unsigned char className[256] = {};
  if (error != nullptr) {
    const std::string_view name = error->className();
    const std::size_t length = name.size() < 255 ? name.size() : 255;
    className[0] = static_cast<unsigned char>(length);
    std::memcpy(className + 1, name.data(), length);
  }

  char templateText[kTemplateSize] = {};
  platform().LoadStringA(programModule(), kReportTemplate, templateText, kTemplateSize);

  const TArgValue args[] = {shortTextArg(className), zTextArg(moduleName),
                            pointerArg(reinterpret_cast<const void*>(offset)), zTextArg(message),
                            zTextArg(endMark)};
  formatIntoZText(buffer, capacity, templateText, args);
  return std::strlen(buffer);
}

void showReport(const TObject* error, const void* address) {
  char text[kReportCapacity + 1];
  const std::size_t length = composeReport(error, address, text, kReportCapacity);
  if (isConsoleProcess) {
    std::fflush(stdout);
    const HANDLE out = platform().GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    platform().WriteFile(out, text, static_cast<DWORD>(length), &written, nullptr);
    platform().WriteFile(out, "\r\n", 2, &written, nullptr);
  } else {
    char caption[kCaptionSize] = {};
    platform().LoadStringA(programModule(), kReportCaption, caption, kCaptionSize);
    platform().MessageBoxA(nullptr, text, caption, MB_TASKMODAL | MB_ICONERROR);
  }
}

void reportUnhandled(TObject* error, const void* address) {
  showReport(error, address);
  // Reported, the error has served; the preallocated heap errors refuse the
  // release and stay until the hooks are removed.
  releaseError(error);
  halt(1);
}

}  // namespace bootspan
