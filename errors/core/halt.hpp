// The ordered end of the process and the runtime's one-line run error.
//
// Every run ends in haltSequence: exit procedures, the run-error line when a
// run error is pending, the modules finalised in reverse order, the
// last-resort handler removed, and ExitProcess with exitCode.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bootspan {

// The value handed to ExitProcess; 0 at start.
extern std::int32_t exitCode;

// The code address of a run error still to be shown; null when none.
extern const void* errorAddress;

// True when the program is a console program: reports and run errors go to
// standard output instead of message boxes. False until the program's entry
// (runProgram) takes the answer of the platform backend: the Linux build is
// one, the Windows build is not.
extern bool isConsoleProcess;

// The run-error line: "Runtime error", five blanks (indexes 13 to 17), "at",
// a blank, and the address as one hexadecimal digit per 4 bits of a code
// address (indexes 21 on), e.g. "Runtime error 217 at 0041C3B0" on a 32-bit
// build. A 64-bit build has 16 address digits, so no address is ever cut.
inline constexpr std::size_t kRunErrorAddressDigits = 2 * sizeof(void*);
inline constexpr std::size_t kRunErrorLineLength = 21 + kRunErrorAddressDigits;
extern char runErrorLine[kRunErrorLineLength + 1];

// Writes exitCode (decimal, last digit at index 16) and errorAddress
// (upper-case hexadecimal, zero-filled) into a fresh copy of the line, so
// digits of an earlier line never survive: code 1 and address 0x0041C3B0 give
// "Runtime error   1 at 0041C3B0".
void composeRunErrorLine();

// Shows runErrorLine: on standard output followed by CR LF for a console
// program, else in a box captioned "Error" with style MB_OK. Results of the
// platform calls are ignored.
void showRunErrorLine();

// A procedure to run first when the process ends. Entries are run last added
// first, each taken off the chain before it is called.
struct TExitProc {
  void (*proc)();
  TExitProc* next = nullptr;
};
void addExitProc(TExitProc& entry);

// Ends the process in order (see above). A failure raised by an exit
// procedure or a finalisation propagates after the remaining modules are
// finalised; the caller's last-resort handling then runs haltSequence again.
[[noreturn]] void haltSequence();

// ExitProcess through the platform layer; never returns.
[[noreturn]] void exitProcess(std::uint32_t code);

// Sets exitCode to `code` and runs haltSequence.
[[noreturn]] void halt(std::int32_t code);

// Sets errorAddress to the caller's return address and exitCode to `code`,
// then runs haltSequence: the run-error line is shown first.
[[noreturn]] void runError(std::int32_t code);

// Sets errorAddress to `address`, then halt(code). The run-error line is
// shown even for a null address ("... at 00000000").
[[noreturn]] void runErrorAt(std::int32_t code, const void* address);

}  // namespace bootspan
