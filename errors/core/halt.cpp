#include "errors/core/halt.hpp"

#include <cstdlib>
#include <cstring>

#include "errors/core/module_table.hpp"
#include "errors/core/top_level.hpp"
#include "platform/platform.hpp"
#include "platform/show_text.hpp"

namespace bootspan {

std::int32_t exitCode = 0;
const void* errorAddress = nullptr;
bool isConsoleProcess = false;
char runErrorLine[kRunErrorLineLength + 1];

namespace {

constexpr char kRunErrorCaption[] = "Error";
constexpr char kRunErrorLead[] = "Runtime error     at ";  // 21 characters
constexpr std::size_t kCodeLastDigit = 16;

TExitProc* exitProcs = nullptr;

// Set by runError and runErrorAt: their line is shown even when the address
// is null (a fault through a null pointer), so that no failure ends without
// a report.
bool runErrorPending = false;

// Writes the run-error line of `code` at `address` into `line`, from a
// fresh copy of its lead: the code in decimal with its last digit at index
// 16, the address in upper-case hexadecimal ending at the last index.
void writeRunErrorLine(char (&line)[kRunErrorLineLength + 1], std::int32_t code,
                       const void* address) {
  static_assert(sizeof kRunErrorLead - 1 == 21);
  std::memcpy(line, kRunErrorLead, 21);
  std::memset(line + 21, '0', kRunErrorAddressDigits);
  line[kRunErrorLineLength] = '\0';

  // A 32-bit code has at most 10 digits, so the leftmost lands at index 7.
  auto digits = static_cast<std::uint32_t>(code);
  std::size_t i = kCodeLastDigit;
  do {
    line[i--] = static_cast<char>('0' + digits % 10);
    digits /= 10;
  } while (digits != 0);

  auto bits = reinterpret_cast<std::uintptr_t>(address);
  i = kRunErrorLineLength - 1;
  while (bits != 0) {
    line[i--] = "0123456789ABCDEF"[bits & 0xF];
    bits >>= 4;
  }
}

}  // namespace

void composeRunErrorLine() {
  writeRunErrorLine(runErrorLine, exitCode, errorAddress);
}

void showRunErrorLine() {
  showText(platform(), isConsoleProcess, runErrorLine, kRunErrorCaption, MB_OK);
}

void addExitProc(TExitProc& entry) {
  entry.next = exitProcs;
  exitProcs = &entry;
}

void haltSequence() {
  while (exitProcs != nullptr) {
    TExitProc* entry = exitProcs;
    exitProcs = entry->next;
    entry->next = nullptr;
    entry->proc();
  }
  if (errorAddress != nullptr || runErrorPending) {
    composeRunErrorLine();
    showRunErrorLine();
    errorAddress = nullptr;
    runErrorPending = false;
  }
  finalizeModules();
  removeTopLevelHandler();
  exitProcess(static_cast<std::uint32_t>(exitCode));
}

void exitProcess(std::uint32_t code) {
  platform().ExitProcess(code);
  std::abort();  // the platform's ExitProcess does not come back
}

void halt(std::int32_t code) {
  exitCode = code;
  haltSequence();
}

[[gnu::noinline]] void runError(std::int32_t code) {
  errorAddress = __builtin_return_address(0);
  runErrorPending = true;
  halt(code);
}

void runErrorAt(std::int32_t code, const void* address) {
  errorAddress = address;
  runErrorPending = true;
  halt(code);
}

}  // namespace bootspan
