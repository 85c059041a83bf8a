#include "platform/fake/fake_platform.hpp"

#include <algorithm>
#include <cstring>

#include "resources/string_table.hpp"

namespace bootspan {

namespace {

HANDLE fakeStdOut() {
  return reinterpret_cast<HANDLE>(0x5D0);
}

}  // namespace

FakePlatform::FakePlatform() : previous_(setPlatform(this)) {
  OSVERSIONINFOA nt{};
  nt.dwOSVersionInfoSize = sizeof nt;
  nt.dwMajorVersion = 10;
  nt.dwBuildNumber = 19045;
  nt.dwPlatformId = VER_PLATFORM_WIN32_NT;
  version = nt;
  CPINFO western{};
  western.MaxCharSize = 1;
  western.DefaultChar[0] = '?';
  codePages[1252] = western;
  for (unsigned id = 0; id <= 0xFFFF; ++id) {
    if (auto text = builtInString(id)) strings[id] = std::string(*text);
  }
  modulePaths[programHandle] = programPath;
}

FakePlatform::~FakePlatform() {
  setPlatform(previous_);
}

int FakePlatform::queryCount(LCTYPE type) const {
  return static_cast<int>(std::count_if(localeQueries.begin(), localeQueries.end(),
                                        [&](const auto& q) { return q.second == type; }));
}

void FakePlatform::useDoubleByteCodePage(UINT codePage, std::vector<std::pair<BYTE, BYTE>> ranges) {
  CPINFO info{};
  info.MaxCharSize = 2;
  info.DefaultChar[0] = '?';
  size_t i = 0;
  for (auto [low, high] : ranges) {
    if (i + 1 < MAX_LEADBYTES) {
      info.LeadByte[i++] = low;
      info.LeadByte[i++] = high;
    }
    for (unsigned b = low; b <= high; ++b)
      charNextLeadBytes.set(b);
  }
  codePages[codePage] = info;
  acp = codePage;
}

int FakePlatform::MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT style) {
  boxes.push_back({text ? text : "", caption ? caption : "", style});
  return 1;
}

int FakePlatform::GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size) {
  localeQueries.emplace_back(locale, type);
  auto it = localeAnswers.find({locale, type});
  if (it == localeAnswers.end()) it = localeAnswers.find({kAnyLocale, type});
  if (it == localeAnswers.end()) return 0;
  const std::string& text = it->second;
  if (size <= 0 || text.size() + 1 > static_cast<size_t>(size)) return 0;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return static_cast<int>(text.size() + 1);
}

BOOL FakePlatform::EnumCalendarInfoA(CALINFO_ENUMPROCA callback, LCID locale, CALID calendar,
                                     CALTYPE type) {
  enumCalls.push_back({locale, calendar, type});
  auto it = calendarValues.find({calendar, type});
  if (it == calendarValues.end()) return TRUE;
  for (const std::string& value : it->second) {
    std::string copy = value;  // the callback gets a writable, terminated text
    if (!callback(copy.data())) break;
  }
  return TRUE;
}

int FakePlatform::GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR picture,
                                 LPSTR buffer, int size) {
  dateFormatCalls.push_back({locale, flags, *date, picture ? picture : "", size});
  if (!dateFormat) return 0;
  auto text = dateFormat(*date, picture ? picture : "");
  if (!text || size <= 0 || text->size() + 1 > static_cast<size_t>(size)) return 0;
  std::memcpy(buffer, text->data(), text->size());
  buffer[text->size()] = '\0';
  return static_cast<int>(text->size() + 1);
}

BOOL FakePlatform::GetVersionExA(OSVERSIONINFOA* info) {
  if (!version || info == nullptr) return FALSE;
  *info = *version;
  return TRUE;
}

int FakePlatform::GetSystemMetrics(int index) {
  auto it = systemMetrics.find(index);
  return it == systemMetrics.end() ? 0 : it->second;
}

BOOL FakePlatform::GetCPInfo(UINT codePage, CPINFO* info) {
  auto it = codePages.find(codePage);
  if (it == codePages.end() || info == nullptr) return FALSE;
  *info = it->second;
  return TRUE;
}

BOOL FakePlatform::GetStringTypeExA(LCID, DWORD infoType, LPCSTR text, int length, LPWORD types) {
  if (stringTypeFails || infoType != CT_CTYPE2 || text == nullptr || length < 0) return FALSE;
  for (int i = 0; i < length; ++i)
    types[i] = ctype2[static_cast<unsigned char>(text[i])];
  return TRUE;
}

LPSTR FakePlatform::CharNextA(LPCSTR text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  if (*p == 0) return const_cast<LPSTR>(text);
  if (charNextLeadBytes.test(*p) && p[1] != 0) return const_cast<LPSTR>(text + 2);
  return const_cast<LPSTR>(text + 1);
}

int FakePlatform::WideCharToMultiByte(UINT, DWORD, LPCWSTR wide, int wideLength, LPSTR narrow,
                                      int narrowSize, LPCSTR, LPBOOL) {
  // Code units below 256 map to the same byte, everything else to '?'.
  if (wide == nullptr) return 0;
  if (wideLength < 0) {
    wideLength = 0;
    while (wide[wideLength] != 0)
      ++wideLength;
    ++wideLength;
  }
  if (narrowSize == 0) return wideLength;
  if (wideLength > narrowSize) return 0;
  for (int i = 0; i < wideLength; ++i)
    narrow[i] = wide[i] < 256 ? static_cast<char>(wide[i]) : '?';
  return wideLength;
}

int FakePlatform::LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) {
  const std::map<UINT, std::string>* table = &strings;
  if (auto loaded = loadedModules.find(module); loaded != loadedModules.end()) {
    auto file = companionFiles.find(loaded->second);
    if (file == companionFiles.end()) return 0;
    table = &file->second;
  }
  auto it = table->find(id);
  if (it == table->end() || size <= 0) return 0;
  const size_t n = std::min(it->second.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, it->second.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

SIZE_T FakePlatform::VirtualQuery(LPCVOID address, MEMORY_BASIC_INFORMATION* info, SIZE_T size) {
  if (info == nullptr || size < sizeof(MEMORY_BASIC_INFORMATION)) return 0;
  *info = MEMORY_BASIC_INFORMATION{};
  const auto a = reinterpret_cast<ULONG_PTR>(address);
  info->State = 0x10000;  // MEM_FREE
  for (const Region& r : regions) {
    if (a >= r.base && a - r.base < r.size) {
      info->BaseAddress = reinterpret_cast<void*>(r.base);
      info->AllocationBase = r.allocationBase;
      info->RegionSize = r.size;
      info->State = r.state;
      break;
    }
  }
  return sizeof(MEMORY_BASIC_INFORMATION);
}

DWORD FakePlatform::GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  if (module == nullptr || module == programModule()) module = programHandle;
  auto it = modulePaths.find(module);
  if (it == modulePaths.end() || buffer == nullptr || size == 0) return 0;
  const size_t n = std::min<size_t>(it->second.size(), size - 1);
  std::memcpy(buffer, it->second.data(), n);
  buffer[n] = '\0';
  return static_cast<DWORD>(n);
}

HMODULE FakePlatform::LoadLibraryExA(LPCSTR path, HANDLE, DWORD flags) {
  libraryLoads.push_back({path, flags});
  if (companionFiles.count(path) == 0) return nullptr;
  // A distinct, never dereferenced value per load, with the low bit set as
  // the system marks a module mapped as data.
  const auto handle = reinterpret_cast<HMODULE>(0x10000001 + 0x10000 * loadedModules.size());
  loadedModules[handle] = path;
  return handle;
}

BOOL FakePlatform::FreeLibrary(HMODULE module) {
  freedLibraries.push_back(module);
  return TRUE;
}

HANDLE FakePlatform::GetStdHandle(DWORD which) {
  return which == STD_OUTPUT_HANDLE ? fakeStdOut() : nullptr;
}

BOOL FakePlatform::WriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                             LPOVERLAPPED) {
  if (file != fakeStdOut()) return FALSE;
  standardOutput.append(static_cast<const char*>(data), length);
  if (written != nullptr) *written = length;
  return TRUE;
}

void FakePlatform::RaiseException(DWORD, DWORD, DWORD, const ULONG_PTR*) {}

void FakePlatform::RtlUnwind(void*, void*, EXCEPTION_RECORD*, void*) {
  ++unwindCount;
}

LONG FakePlatform::UnhandledExceptionFilter(EXCEPTION_POINTERS*) {
  return unhandledFilterAnswer;
}

void FakePlatform::ExitProcess(UINT code) {
  exitCode = code;
  throw FakeExit{code};
}

}  // namespace bootspan
