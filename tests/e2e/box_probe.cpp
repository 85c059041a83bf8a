// Runs a program, waits for the message box it shows, reports the box and
// presses OK, then reports the program's exit code.
//
//   box_probe [--uptime] [--hold MS] program.exe [arguments...]
//
// Output, one field a line: ticks_before, ticks_after, caption, text (CR and
// LF written as \r and \n), icon (none or shown), buttons (control
// ids), rect (the box's left,top,right,bottom on the screen), exit.
// With --uptime the probe also checks that the text is the uptime sentence
// for a tick count between ticks_before and ticks_after, written the way this
// locale's answers say (read here, in the same run), and exits 1 if not.
// With --hold the box stays up MS milliseconds after it is reported, long
// enough for a screenshot (scripts/screenshot.sh).
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') {
    for (char& c : path)
      c = c == '/' ? '\\' : c;
    path = "Z:" + path;
  }
  return path;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findDialog(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char className[64] = {};
  GetClassNameA(hwnd, className, sizeof className);
  if (pid == search->processId && std::strcmp(className, "#32770") == 0 && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK collectButtons(HWND child, LPARAM param) {
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0) {
    reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(child));
  }
  return TRUE;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string localeAnswer(LCTYPE type, const char* fallback) {
  char buffer[256];
  int n = GetLocaleInfoA(GetThreadLocale(), type, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, n - 1) : std::string(fallback);
}

int localeNumber(LCTYPE type) {
  return atoi(localeAnswer(type, "0").c_str());
}

// The uptime sentence for `ticks`, built independently of the program from
// the locale's clock answers.
std::string expectedSentence(ULONGLONG ticks) {
  const auto t = static_cast<unsigned>(ticks % 86400000u);
  const unsigned hour = t / 3600000, minute = t / 60000 % 60, second = t / 1000 % 60;
  const bool leadingZero = localeNumber(LOCALE_ITLZERO) != 0;
  const bool clock24 = localeNumber(LOCALE_ITIME) != 0;
  const bool markFirst = !clock24 && localeNumber(LOCALE_ITIMEMARKPOSN) != 0;
  char separator = ':';
  char sep[2];
  int n = GetLocaleInfoA(GetThreadLocale(), LOCALE_STIME, sep, 2);
  if (n > 0) separator = sep[0];

  unsigned shownHour = hour;
  if (!clock24) shownHour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
  char clock[64];
  std::string sepText = separator ? std::string(1, separator) : std::string();
  std::snprintf(clock, sizeof clock, leadingZero ? "%02u%s%02u%s%02u" : "%u%s%02u%s%02u", shownHour,
                sepText.c_str(), minute, sepText.c_str(), second);
  std::string time = clock;
  if (!clock24) {
    std::string mark =
        hour < 12 ? localeAnswer(LOCALE_S1159, "am") : localeAnswer(LOCALE_S2359, "pm");
    time = markFirst ? mark + " " + time : time + " " + mark;
  }
  return "Your computer was started " + time + " ago";
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  bool uptime = false;
  DWORD holdMs = 0;
  for (; first < argc; ++first) {
    if (std::strcmp(argv[first], "--uptime") == 0) {
      uptime = true;
    } else if (std::strcmp(argv[first], "--hold") == 0 && first + 1 < argc) {
      holdMs = static_cast<DWORD>(std::strtoul(argv[++first], nullptr, 10));
    } else {
      break;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: box_probe [--uptime] [--hold MS] program.exe [arguments...]\n");
    return 2;
  }
  std::string commandLine = "\"" + windowsPath(argv[first]) + "\"";
  for (int i = first + 1; i < argc; ++i)
    commandLine += std::string(" ") + argv[i];

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const ULONGLONG ticksBefore = GetTickCount64();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::printf("error=cannot start %s (%lu)\n", commandLine.c_str(), GetLastError());
    return 2;
  }

  Search search{process.dwProcessId, nullptr};
  for (int waited = 0; waited < 60000 && search.found == nullptr; waited += 20) {
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
      if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) break;
    }
  }
  const ULONGLONG ticksAfter = GetTickCount64();
  std::printf("ticks_before=%" PRIu64 "\nticks_after=%" PRIu64 "\n", ticksBefore, ticksAfter);

  std::string text;
  if (search.found != nullptr) {
    Sleep(100);  // let the box finish its layout
    char caption[512] = {};
    GetWindowTextA(search.found, caption, sizeof caption);
    char body[4096] = {};
    GetDlgItemTextA(search.found, 0xFFFF, body, sizeof body);
    text = body;
    // The icon control is id 20 on Windows and 1088 under Wine.
    HICON icon = nullptr;
    for (int id : {0x14, 0x440}) {
      if (HWND control = GetDlgItem(search.found, id)) {
        icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
        if (icon != nullptr) break;
      }
    }
    const char* iconName = icon == nullptr ? "none" : "shown";
    std::vector<int> buttons;
    EnumChildWindows(search.found, collectButtons, reinterpret_cast<LPARAM>(&buttons));
    std::printf("caption=%s\ntext=%s\nicon=%s\nbuttons=", escaped(caption).c_str(),
                escaped(text).c_str(), iconName);
    for (size_t i = 0; i < buttons.size(); ++i)
      std::printf(i ? ",%d" : "%d", buttons[i]);
    RECT rect{};
    GetWindowRect(search.found, &rect);
    std::printf("\nrect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    std::fflush(stdout);
    if (holdMs != 0) Sleep(holdMs);
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  } else {
    std::printf("caption=\ntext=\nicon=none\nbuttons=\n");
  }

  DWORD exitCode = 259;
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &exitCode);
  } else {
    TerminateProcess(process.hProcess, 259);
  }
  std::printf("exit=%lu\n", exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  if (!uptime) return 0;
  if (search.found == nullptr) {
    std::printf("FAIL: no message box appeared\n");
    return 1;
  }
  bool ok = exitCode == 0;
  bool matched = false;
  for (ULONGLONG t = ticksBefore; !matched; t += 1) {
    matched = expectedSentence(t) == text;
    if (t == ticksAfter) break;
  }
  if (!matched) {
    std::printf("FAIL: text is not the sentence for any tick count in [%" PRIu64 ", %" PRIu64
                "]; first: %s\n",
                ticksBefore, ticksAfter, expectedSentence(ticksBefore).c_str());
  }
  ok = ok && matched;
  if (exitCode != 0) std::printf("FAIL: exit code %lu\n", exitCode);
  std::printf(ok ? "PASS\n" : "FAIL\n");
  return ok ? 0 : 1;
}
