// The Windows backend: each operation is the system call of the same name.
#include "platform/platform.hpp"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace bootspan {

namespace {

LONG WINAPI answerHandle(EXCEPTION_POINTERS*) {
  return EXCEPTION_EXECUTE_HANDLER;
}

class Win32Platform final : public Platform {
 public:
  DWORD GetTickCount() override { return ::GetTickCount(); }
  ULONGLONG GetTickCount64() override { return ::GetTickCount64(); }
  int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) override {
    return ::MessageBoxA(owner, text, caption, style);
  }
  LCID GetThreadLocale() override { return ::GetThreadLocale(); }
  int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size) override {
    return ::GetLocaleInfoA(locale, type, buffer, size);
  }
  BOOL EnumCalendarInfoA(CALINFO_ENUMPROCA callback, LCID locale, CALID calendar,
                         CALTYPE type) override {
    return ::EnumCalendarInfoA(callback, locale, calendar, type);
  }
  int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR picture, LPSTR buffer,
                     int size) override {
    return ::GetDateFormatA(locale, flags, date, picture, buffer, size);
  }
  BOOL GetVersionExA(OSVERSIONINFOA* info) override { return ::GetVersionExA(info); }
  int GetSystemMetrics(int index) override { return ::GetSystemMetrics(index); }
  UINT GetACP() override { return ::GetACP(); }
  BOOL GetCPInfo(UINT codePage, CPINFO* info) override { return ::GetCPInfo(codePage, info); }
  BOOL GetStringTypeExA(LCID locale, DWORD infoType, LPCSTR text, int length,
                        LPWORD types) override {
    return ::GetStringTypeExA(locale, infoType, text, length, types);
  }
  LPSTR CharNextA(LPCSTR text) override { return ::CharNextA(text); }
  int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR narrow,
                          int narrowSize, LPCSTR defaultChar, LPBOOL usedDefault) override {
    return ::WideCharToMultiByte(codePage, flags, wide, wideLength, narrow, narrowSize, defaultChar,
                                 usedDefault);
  }
  int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) override {
    return ::LoadStringA(module, id, buffer, size);
  }
  SIZE_T VirtualQuery(LPCVOID address, MEMORY_BASIC_INFORMATION* info, SIZE_T size) override {
    return ::VirtualQuery(address, info, size);
  }
  DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) override {
    return ::GetModuleFileNameA(module, buffer, size);
  }
  HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) override {
    return ::LoadLibraryExA(path, file, flags);
  }
  BOOL FreeLibrary(HMODULE module) override { return ::FreeLibrary(module); }
  HANDLE GetStdHandle(DWORD which) override { return ::GetStdHandle(which); }
  BOOL WriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                 LPOVERLAPPED overlapped) override {
    return ::WriteFile(file, data, length, written, overlapped);
  }
  void RaiseException(DWORD code, DWORD flags, DWORD argumentCount,
                      const ULONG_PTR* arguments) override {
    ::RaiseException(code, flags, argumentCount, arguments);
  }
  void RtlUnwind(void* targetFrame, void* targetIp, EXCEPTION_RECORD* record,
                 void* returnValue) override {
    ::RtlUnwind(targetFrame, targetIp, record, returnValue);
  }
  // The program reports unhandled failures itself; what it asks the system is
  // whether someone else (a debugger) claims the failure first. So the
  // system's filter runs with a top-level filter that answers "handle it",
  // in place of any just-in-time debugger or crash dialog, and the answer is
  // EXCEPTION_CONTINUE_SEARCH only when a debugger is attached.
  LONG UnhandledExceptionFilter(EXCEPTION_POINTERS* pointers) override {
    const LPTOP_LEVEL_EXCEPTION_FILTER previous = ::SetUnhandledExceptionFilter(answerHandle);
    const LONG answer = ::UnhandledExceptionFilter(pointers);
    ::SetUnhandledExceptionFilter(previous);
    return answer;
  }
  [[noreturn]] void ExitProcess(UINT exitCode) override { ::ExitProcess(exitCode); }
  bool isConsoleProcess() override { return false; }
};

}  // namespace

Platform& nativePlatform() {
  static Win32Platform instance;
  return instance;
}

HMODULE programModule() {
  return reinterpret_cast<HMODULE>(&__ImageBase);
}

}  // namespace bootspan
