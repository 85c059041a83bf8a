// A scriptable platform for tests. Constructing a FakePlatform installs it as
// the process-wide backend; destroying it restores the previous one.
//
// By default every locale query fails, the code page is 1252 without lead
// bytes, the platform is the NT family, the string table is the program's own,
// no companion file exists and nothing is mapped in memory. Tests change the
// public fields they need.
#pragma once

#include <array>
#include <bitset>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.hpp"

namespace bootspan {

// Thrown by FakePlatform::ExitProcess instead of ending the test process.
struct FakeExit {
  UINT code;
};

class FakePlatform : public Platform {
 public:
  static constexpr LCID kAnyLocale = 0xFFFFFFFF;

  FakePlatform();
  ~FakePlatform() override;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  // --- scripting -------------------------------------------------------
  ULONGLONG tickCount = 0;  // GetTickCount answers its low 32 bits
  LCID threadLocale = 0x0409;

  // Answers per (locale, LCTYPE); kAnyLocale matches every locale. A missing
  // entry makes the query fail. Answers may hold zero bytes.
  std::map<std::pair<LCID, LCTYPE>, std::string> localeAnswers;
  void answer(LCTYPE type, std::string text, LCID locale = kAnyLocale) {
    localeAnswers[{locale, type}] = std::move(text);
  }
  // Every GetLocaleInfoA call, in order.
  std::vector<std::pair<LCID, LCTYPE>> localeQueries;
  int queryCount(LCTYPE type) const;

  // Values that EnumCalendarInfoA reports per (calendar, CALTYPE).
  std::map<std::pair<CALID, CALTYPE>, std::vector<std::string>> calendarValues;
  struct EnumCall {
    LCID locale;
    CALID calendar;
    CALTYPE type;
  };
  std::vector<EnumCall> enumCalls;

  // GetDateFormatA: answers the picture for the date, or fails with nothing.
  std::function<std::optional<std::string>(const SYSTEMTIME&, const std::string& picture)>
      dateFormat;
  struct DateFormatCall {
    LCID locale;
    DWORD flags;
    SYSTEMTIME date;
    std::string picture;
    int size;
  };
  std::vector<DateFormatCall> dateFormatCalls;

  std::optional<OSVERSIONINFOA> version;  // nothing: GetVersionExA fails
  std::map<int, int> systemMetrics;
  UINT acp = 1252;
  std::map<UINT, CPINFO> codePages;  // a missing code page makes GetCPInfo fails
  std::array<WORD, 256> ctype2{};    // CT_CTYPE2 class of each byte value
  bool stringTypeFails = false;
  std::bitset<256> charNextLeadBytes;  // bytes CharNextA steps over as pairs

  // Adds code page `codePage` with lead-byte ranges {low, high}, makes it the
  // ANSI code page and lets CharNextA step over its pairs.
  void useDoubleByteCodePage(UINT codePage, std::vector<std::pair<BYTE, BYTE>> ranges);

  std::map<UINT, std::string> strings;  // the string table; starts as the program's

  // Companion resource files by path, each a string table that LoadStringA
  // reads when given the handle LoadLibraryExA answered for that path. A path
  // not listed fails to load.
  std::map<std::string, std::map<UINT, std::string>> companionFiles;

  struct Region {
    ULONG_PTR base;
    SIZE_T size;
    void* allocationBase;
    DWORD state;
  };
  std::vector<Region> regions;  // an address outside every region is free memory
  std::map<HMODULE, std::string> modulePaths;
  bool consoleProcess = false;  // what isConsoleProcess answers
  std::string programPath = "C:\\Program Files\\Bootspan\\Bootspan.exe";
  HMODULE programHandle = reinterpret_cast<HMODULE>(0x00400000);

  // --- records ---------------------------------------------------------
  struct Box {
    std::string text;
    std::string caption;
    UINT style;
  };
  std::vector<Box> boxes;
  std::string standardOutput;
  std::optional<UINT> exitCode;
  LONG unhandledFilterAnswer = EXCEPTION_EXECUTE_HANDLER;
  int unwindCount = 0;
  struct LibraryLoad {
    std::string path;
    DWORD flags;
  };
  std::vector<LibraryLoad> libraryLoads;         // every LoadLibraryExA call, in order
  std::map<HMODULE, std::string> loadedModules;  // each handle answered, with its path
  std::vector<HMODULE> freedLibraries;           // every FreeLibrary call, in order

  // --- Platform --------------------------------------------------------
  DWORD GetTickCount() override { return static_cast<DWORD>(tickCount); }
  ULONGLONG GetTickCount64() override { return tickCount; }
  int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) override;
  LCID GetThreadLocale() override { return threadLocale; }
  int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size) override;
  BOOL EnumCalendarInfoA(CALINFO_ENUMPROCA callback, LCID locale, CALID calendar,
                         CALTYPE type) override;
  int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR picture, LPSTR buffer,
                     int size) override;
  BOOL GetVersionExA(OSVERSIONINFOA* info) override;
  int GetSystemMetrics(int index) override;
  UINT GetACP() override { return acp; }
  BOOL GetCPInfo(UINT codePage, CPINFO* info) override;
  BOOL GetStringTypeExA(LCID locale, DWORD infoType, LPCSTR text, int length,
                        LPWORD types) override;
  LPSTR CharNextA(LPCSTR text) override;
  int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR narrow,
                          int narrowSize, LPCSTR defaultChar, LPBOOL usedDefault) override;
  int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) override;
  SIZE_T VirtualQuery(LPCVOID address, MEMORY_BASIC_INFORMATION* info, SIZE_T size) override;
  DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) override;
  HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) override;
  BOOL FreeLibrary(HMODULE module) override;
  HANDLE GetStdHandle(DWORD which) override;
  BOOL WriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                 LPOVERLAPPED overlapped) override;
  void RaiseException(DWORD code, DWORD flags, DWORD argumentCount,
                      const ULONG_PTR* arguments) override;
  void RtlUnwind(void* targetFrame, void* targetIp, EXCEPTION_RECORD* record,
                 void* returnValue) override;
  LONG UnhandledExceptionFilter(EXCEPTION_POINTERS* pointers) override;
  [[noreturn]] void ExitProcess(UINT exitCode) override;
  bool isConsoleProcess() override { return consoleProcess; }

 private:
  Platform* previous_;
};

}  // namespace bootspan
