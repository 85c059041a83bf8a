// The platform layer: every operating-system call the system makes, with its
// ANSI signature. Other folders reach the platform only through platform(),
// so tests can install a scripted backend.
#pragma once

#include "platform/win_types.hpp"

namespace bootspan {

class Platform {
 public:
  virtual ~Platform() = default;

  // Milliseconds since the system started; wraps to 0 after 4294967295.
  virtual DWORD GetTickCount() = 0;
  // Milliseconds since the system started, 64 bits wide: it never wraps.
  virtual ULONGLONG GetTickCount64() = 0;
  // A modal box; returns when the user closes it.
  virtual int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) = 0;

  virtual LCID GetThreadLocale() = 0;
  // Writes the answer and its terminating zero; returns the bytes written
  // including the zero, or 0 when the query fails or the answer does not fit.
  virtual int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size) = 0;
  virtual BOOL EnumCalendarInfoA(CALINFO_ENUMPROCA callback, LCID locale, CALID calendar,
                                 CALTYPE type) = 0;
  virtual int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR picture,
                             LPSTR buffer, int size) = 0;

  virtual BOOL GetVersionExA(OSVERSIONINFOA* info) = 0;
  virtual int GetSystemMetrics(int index) = 0;
  virtual UINT GetACP() = 0;
  virtual BOOL GetCPInfo(UINT codePage, CPINFO* info) = 0;
  virtual BOOL GetStringTypeExA(LCID locale, DWORD infoType, LPCSTR text, int length,
                                LPWORD types) = 0;
  // The start of the next character; never moves past the terminating zero.
  virtual LPSTR CharNextA(LPCSTR text) = 0;
  virtual int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength,
                                  LPSTR narrow, int narrowSize, LPCSTR defaultChar,
                                  LPBOOL usedDefault) = 0;

  // Copies string `id`, cut to size - 1 bytes, and terminates it; 0 when missing.
  virtual int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) = 0;
  virtual SIZE_T VirtualQuery(LPCVOID address, MEMORY_BASIC_INFORMATION* info, SIZE_T size) = 0;
  virtual DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) = 0;
  // Loads the module file at `path`; with LOAD_LIBRARY_AS_DATAFILE it is
  // mapped as data only and no code of it runs. Null when it cannot be loaded.
  virtual HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags) = 0;
  // Releases a module that LoadLibraryExA loaded.
  virtual BOOL FreeLibrary(HMODULE module) = 0;
  virtual HANDLE GetStdHandle(DWORD which) = 0;
  virtual BOOL WriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                         LPOVERLAPPED overlapped) = 0;

  virtual void RaiseException(DWORD code, DWORD flags, DWORD argumentCount,
                              const ULONG_PTR* arguments) = 0;
  virtual void RtlUnwind(void* targetFrame, void* targetIp, EXCEPTION_RECORD* record,
                         void* returnValue) = 0;
  virtual LONG UnhandledExceptionFilter(EXCEPTION_POINTERS* pointers) = 0;
  [[noreturn]] virtual void ExitProcess(UINT exitCode) = 0;

  // True when the program runs as a console program: its texts go to
  // standard output instead of message boxes (see platform/show_text.hpp).
  // The Linux program is one, the Windows program is a windowed one.
  virtual bool isConsoleProcess() = 0;
};

// The backend in force for the whole process.
Platform& platform();
// Installs `backend` (or the built-in one for nullptr); returns the previous one.
Platform* setPlatform(Platform* backend);
// The real backend of this build (win32 or posix).
Platform& nativePlatform();
// Handle of the program's own module, for string-table and module lookups.
HMODULE programModule();

}  // namespace bootspan
