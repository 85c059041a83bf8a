// The Linux backend: real answers from the running system where Linux has
// them (boot clock, executable path, standard output), and the answers of a
// plain single-byte system where it has no counterpart.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.hpp"
#include "platform/posix/posix_locale.hpp"
#include "platform/posix/utf.hpp"
#include "platform/show_text.hpp"
#include "resources/string_table.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define BOOTSPAN_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BOOTSPAN_LEAK_CHECKED 1
#endif
#endif
#ifndef BOOTSPAN_LEAK_CHECKED
#define BOOTSPAN_LEAK_CHECKED 0
#endif
#if BOOTSPAN_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace bootspan {

namespace {

// Copies `text` into `buffer` with a terminating zero the way the Windows
// string queries do; returns the bytes written including the zero, or 0 when
// it does not fit.
int copyAnswer(std::string_view text, LPSTR buffer, int size) {
  if (size <= 0 || text.size() + 1 > static_cast<size_t>(size)) return 0;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return static_cast<int>(text.size() + 1);
}

int signalForException(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
      return SIGSEGV;
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
      return SIGILL;
    default:
      return code >= EXCEPTION_ARRAY_BOUNDS_EXCEEDED && code <= EXCEPTION_INT_OVERFLOW ? SIGFPE
                                                                                       : SIGABRT;
  }
}

// Keeps a standard stream that the caller closed closed for writing: the
// descriptor is taken by /dev/null opened read-only, so that no file the
// program opens later takes its number and receives its text, and a write to
// it fails with EBADF as on the closed descriptor.
void reserveClosedStream(int fd) {
  if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) return;
  const int placeholder = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (placeholder != -1 && placeholder != fd) {
    dup2(placeholder, fd);
    close(placeholder);
  }
}

// Writes the `length` bytes at `data` to `fd`, again after an interruption or
// a short write; counts the bytes written in `done`. Returns 0 when all were
// written, else the errno of the write that failed.
int writeAll(int fd, const char* data, DWORD length, DWORD& done) {
  done = 0;
  while (done < length) {
    const ssize_t n = ::write(fd, data + done, length - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<DWORD>(n);
  }
  return 0;
}

// "bootspan: write error: <reason>" on standard error, ended like every line
// the program writes, without taking memory (the failure may be its lack); a
// failure to write it is not reported again.
void reportWriteError(int error) {
  const char* const parts[] = {"bootspan: write error: ", std::strerror(error), "\r\n"};
  for (const char* part : parts) {
    DWORD done = 0;
    writeAll(STDERR_FILENO, part, static_cast<DWORD>(std::strlen(part)), done);
  }
}

bool tracedByDebugger() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return false;
  char line[256];
  long tracer = 0;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "TracerPid: %ld", &tracer) == 1) break;
  }
  std::fclose(status);
  return tracer != 0;
}

class PosixPlatform final : public Platform {
 public:
  PosixPlatform() {
    reserveClosedStream(STDOUT_FILENO);
    reserveClosedStream(STDERR_FILENO);
  }

  DWORD GetTickCount() override {
    return static_cast<DWORD>(GetTickCount64());  // wraps like the real counter
  }

  // The boot clock counts the time asleep too, as the Windows count does.
  ULONGLONG GetTickCount64() override {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<ULONGLONG>(now.tv_sec) * 1000u +
           static_cast<ULONGLONG>(now.tv_nsec) / 1000000u;
  }

  // A console program has no boxes: the text goes to standard output.
  int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT style) override {
    showText(*this, true, text, caption, style);
    return 1;
  }

  LCID GetThreadLocale() override { return posixLocale().lcid(); }

  int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size) override {
    auto answer = posixLocale().answer(locale, type);
    if (!answer) return 0;
    return copyAnswer(*answer, buffer, size);
  }

  BOOL EnumCalendarInfoA(CALINFO_ENUMPROCA, LCID, CALID, CALTYPE) override { return TRUE; }

  int GetDateFormatA(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int) override { return 0; }

  BOOL GetVersionExA(OSVERSIONINFOA* info) override {
    if (info == nullptr || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return FALSE;
    utsname name{};
    uname(&name);
    unsigned major = 0, minor = 0;
    std::sscanf(name.release, "%u.%u", &major, &minor);
    info->dwMajorVersion = major;
    info->dwMinorVersion = minor;
    info->dwBuildNumber = 0;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    info->szCSDVersion[0] = '\0';
    return TRUE;
  }

  int GetSystemMetrics(int) override { return 0; }

  UINT GetACP() override { return kUtf8CodePage; }

  BOOL GetCPInfo(UINT codePage, CPINFO* info) override {
    if (info == nullptr) return FALSE;
    *info = CPINFO{};
    info->MaxCharSize = codePage == kUtf8CodePage ? 4 : 1;
    info->DefaultChar[0] = '?';
    return TRUE;  // UTF-8 has no lead-byte ranges in the double-byte sense
  }

  BOOL GetStringTypeExA(LCID, DWORD, LPCSTR text, int length, LPWORD types) override {
    if (text == nullptr || types == nullptr || length < 0) return FALSE;
    for (int i = 0; i < length; ++i)
      types[i] = 0;
    return TRUE;
  }

  LPSTR CharNextA(LPCSTR text) override {
    return const_cast<LPSTR>(*text == '\0' ? text : text + 1);
  }

  int WideCharToMultiByte(UINT, DWORD, LPCWSTR wide, int wideLength, LPSTR narrow, int narrowSize,
                          LPCSTR, LPBOOL) override {
    std::string text = utf16ToUtf8(wide, wideLength);
    if (narrowSize == 0) return static_cast<int>(text.size());
    if (text.size() > static_cast<size_t>(narrowSize)) return 0;
    std::memcpy(narrow, text.data(), text.size());
    return static_cast<int>(text.size());
  }

  int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size) override {
    auto text = builtInString(id);
    if (!text || size <= 0) return 0;
    const size_t n = std::min(text->size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text->data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
  }

  SIZE_T VirtualQuery(LPCVOID address, MEMORY_BASIC_INFORMATION* info, SIZE_T size) override {
    if (info == nullptr || size < sizeof(MEMORY_BASIC_INFORMATION)) return 0;
    *info = MEMORY_BASIC_INFORMATION{};
    Dl_info where{};
    if (address != nullptr && dladdr(address, &where) != 0 && where.dli_fbase != nullptr) {
      info->BaseAddress = where.dli_fbase;
      info->AllocationBase = where.dli_fbase;
      info->State = MEM_COMMIT;
    }
    return sizeof(MEMORY_BASIC_INFORMATION);
  }

  DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) override {
    if (buffer == nullptr || size == 0) return 0;
    const char* path = nullptr;
    char own[4096];
    Dl_info where{};
    if (module == nullptr || module == programModule()) {
      ssize_t n = readlink("/proc/self/exe", own, sizeof own - 1);
      if (n <= 0) return 0;
      own[n] = '\0';
      path = own;
    } else if (dladdr(module, &where) != 0 && where.dli_fbase == module && where.dli_fname) {
      path = where.dli_fname;
    } else {
      return 0;
    }
    const size_t length = std::strlen(path);
    const size_t n = std::min<size_t>(length, size - 1);
    std::memcpy(buffer, path, n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
  }

  // The Linux program has no companion resource files: its strings are
  // compiled in, and nothing else loads as a module of string resources.
  HMODULE LoadLibraryExA(LPCSTR, HANDLE, DWORD) override { return nullptr; }
  BOOL FreeLibrary(HMODULE) override { return FALSE; }

  HANDLE GetStdHandle(DWORD which) override {
    return which == STD_OUTPUT_HANDLE ? reinterpret_cast<HANDLE>(1) : nullptr;
  }

  // A write that fails or stays short is remembered: ExitProcess reports it.
  BOOL WriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written, LPOVERLAPPED) override {
    const int fd = static_cast<int>(reinterpret_cast<std::intptr_t>(file));
    DWORD done = 0;
    const int error = writeAll(fd, static_cast<const char*>(data), length, done);
    if (written != nullptr) *written = done;
    if (error == 0) return TRUE;
    if (writeError_ == 0) writeError_ = error;
    return FALSE;
  }

  // Only the program's last-resort handler raises, after it declined a
  // failure: the failure ends the process the way the system ends one of its
  // kind, with the signal's default action.
  void RaiseException(DWORD code, DWORD, DWORD, const ULONG_PTR*) override {
    const int signal = signalForException(code);
    std::signal(signal, SIG_DFL);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    std::raise(signal);
    std::abort();
  }

  void RtlUnwind(void*, void*, EXCEPTION_RECORD*, void*) override {}

  // A failure is left to the system (and so to the debugger) exactly when a
  // debugger traces the process.
  LONG UnhandledExceptionFilter(EXCEPTION_POINTERS*) override {
    return tracedByDebugger() ? EXCEPTION_CONTINUE_SEARCH : EXCEPTION_EXECUTE_HANDLER;
  }

  // Output that could not be written is no success: the reason goes to
  // standard error, and an exit code of 0 becomes 1. A failure's own code
  // stays, as it says more.
  [[noreturn]] void ExitProcess(UINT exitCode) override {
    if (std::fflush(stdout) != 0 && writeError_ == 0) writeError_ = errno;
    std::fflush(nullptr);
    if (writeError_ != 0) {
      reportWriteError(writeError_);
      if (exitCode == 0) exitCode = 1;
    }
#if BOOTSPAN_LEAK_CHECKED
    // _Exit skips the leak checker's own exit hook.
    __lsan_do_leak_check();
#endif
    std::_Exit(static_cast<int>(exitCode));
  }

  bool isConsoleProcess() override {
    return true;
  }

 private:
  int writeError_ = 0;  // the errno of the first failed write, 0 for none
};

}  // namespace

Platform& nativePlatform() {
  static PosixPlatform instance;
  return instance;
}

HMODULE programModule() {
  // The load address of the executable: the module that holds this code.
  static HMODULE self = [] {
    Dl_info where{};
    dladdr(reinterpret_cast<void*>(&programModule), &where);
    return static_cast<HMODULE>(where.dli_fbase);
  }();
  return self;
}

}  // namespace bootspan
