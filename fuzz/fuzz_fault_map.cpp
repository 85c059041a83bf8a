// The failure machinery on synthetic run-time error reasons and exception
// records, with tables written out here:
//
// - exitCodeForReason and exitCodeForException follow tables A and B;
// - a reason without the hooks ends with its table A code after exactly one
//   run-error line; with the hooks it raises the error of its class and
//   message, and reporting that error ends with exit code 1 after exactly one
//   report;
// - a platform exception gives the error of its class and message with the
//   hooks, and its table B code after exactly one run-error line without;
// - composeReport on any error, address, module path (lead bytes, "\" as a
//   trail byte, 0 to 300 bytes) and capacity writes exactly the first
//   min(capacity, length) bytes of the report worked out here, and nothing
//   past them; the shown report is cut at 1023 bytes;
// - a faulty directive is quoted in its error message cut to 31 bytes.
//
// Input: a scenario byte, then the fields each scenario reads.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "errors/core/fpu.hpp"
#include "errors/core/halt.hpp"
#include "errors/core/hooks.hpp"
#include "errors/core/raise.hpp"
#include "errors/core/runtime_failure.hpp"
#include "errors/core/top_level.hpp"
#include "errors/error_hooks.hpp"
#include "errors/error_tables.hpp"
#include "errors/system_errors.hpp"
#include "errors/unhandled_report.hpp"
#include "format/format_message.hpp"
#include "fuzz/fuzz_checks.hpp"
#include "fuzz/fuzz_format_args.hpp"
#include "locale/sys_locale.hpp"
#include "platform/fake/fake_platform.hpp"
#include "platform/fault_trap.hpp"

using namespace bootspan;
using namespace bootspan::fuzzing;

namespace {

constexpr std::uintptr_t kProgramBase = 0x00400000;
constexpr std::uintptr_t kOtherBase = 0x10000000;
constexpr std::size_t kReportLimit = 1023;

// The scripted platform, with the error tables filled once.
FakePlatform& platformWithTables() {
  static FakePlatform* fake = [] {
    auto* f = new FakePlatform;
    fillErrorTables();
    return f;
  }();
  return *fake;
}

// Table A: exit code of a run-time error reason (taken modulo 128) when no
// hook takes it.
std::int32_t tableA(std::uint8_t reason, std::int32_t inOut) {
  static const std::int32_t codes[25] = {-1,  203, 204, 200, 201, 215, 207, 200, 205,
                                         206, 219, 216, 202, 217, 218, 220, 221, 222,
                                         223, 224, 225, 227, 0,   228, 229};
  reason %= 128;
  const std::int32_t code = reason == 0 ? inOut & 0xFF : reason <= 24 ? codes[reason] : reason;
  return code != 0 ? code : 255;  // a failure never exits as a success
}

struct CodeRow {
  DWORD code;
  std::int32_t exitCode;  // table B
  std::uint8_t reason;
};
constexpr CodeRow kCodes[] = {
    {0xC0000094, 200, 3},  {0xC000008E, 200, 7},  {0xC000008C, 201, 4}, {0xC00000FD, 202, 14},
    {0xC0000091, 205, 8},  {0xC000008D, 206, 9},  {0xC0000093, 206, 9}, {0xC000008F, 207, 6},
    {0xC0000090, 207, 6},  {0xC0000092, 207, 6},  {0xC0000095, 215, 5}, {0xC0000005, 216, 11},
    {0xC000013A, 217, 13}, {0xC0000096, 218, 12},
};

CodeRow rowOfCode(DWORD code) {
  for (const CodeRow& row : kCodes) {
    if (row.code == code) return row;
  }
  return {code, 255, 22};
}

// Class and message of run-time error reasons 3 to 24.
struct ReasonRow {
  const char* className;
  const char* message;
};
constexpr ReasonRow kReasons[25] = {
    {},
    {"EOutOfMemory", "Out of memory"},
    {"EInvalidPointer", "Invalid pointer operation"},
    {"EDivByZero", "Division by zero"},
    {"ERangeError", "Range check error"},
    {"EIntOverflow", "Integer overflow"},
    {"EInvalidOp", "Invalid floating point operation"},
    {"EZeroDivide", "Floating point division by zero"},
    {"EOverflow", "Floating point overflow"},
    {"EUnderflow", "Floating point underflow"},
    {"EInvalidCast", "Invalid class typecast"},
    {"EAccessViolation", "Access violation at address %p. %s of address %p"},
    {"EPrivilege", "Privileged instruction"},
    {"EControlC", "Control-C hit"},
    {"EStackOverflow", "Stack overflow"},
    {"EVariantError", "Invalid variant type conversion"},
    {"EVariantError", "Invalid variant operation"},
    {"EVariantError", "Variant method calls not supported"},
    {"EVariantError", "Error creating variant array"},
    {"EVariantError", "Variant is not an array"},
    {"EVariantError", "Variant array index out of bounds"},
    {"EAssertionFailed", "Assertion failed"},
    {"EExternalException", "External exception %x"},
    {"EIntfCastError", "Interface not supported"},
    {"ESafecallException", "Exception in safecall method"},
};

std::string hex(std::uintptr_t value, std::size_t minDigits) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return digits;
}

// The part of a zero-terminated path after its last delimiter, parsing the
// path from the left over the lead bytes: a delimiter that is the second
// byte of a double-byte character never counts. One that is a lead byte
// counts only when `leadCounts` and its second byte is no delimiter (the
// search from the end skips the byte before a second-byte delimiter).
std::string afterLast(std::string_view path, std::string_view delimiters, bool leadCounts) {
  path = path.substr(0, path.find('\0'));
  auto isDelimiter = [&](std::size_t i) {
    return i < path.size() && delimiters.find(path[i]) != std::string_view::npos;
  };
  std::size_t from = 0;
  for (std::size_t i = 0; i < path.size();) {
    const bool delimiter = isDelimiter(i);
    if (sysLocale.farEast && leadBytes.contains(path[i])) {
      if (delimiter && leadCounts && !isDelimiter(i + 1)) from = i + 1;
      i += i + 1 < path.size() ? 2 : 1;
      continue;
    }
    if (delimiter) from = i + 1;
    i += 1;
  }
  return std::string(path.substr(from));
}

// The scripted memory: the program's module at 0x00400000 and another module
// at 0x10000000 (its path from the input, or none), each one committed region
// of 1 MiB; everything else is free.
struct Memory {
  std::string programPath;
  std::optional<std::string> otherPath;

  // The path GetModuleFileNameA gives for the module holding `address`, if
  // the address lies in a committed region of a module with a path.
  std::optional<std::string> moduleOf(std::uintptr_t address, std::uintptr_t& base) const {
    if (address - (kProgramBase + 0x1000) < 0x00100000) {
      base = kProgramBase;
      return programPath;
    }
    if (address - (kOtherBase + 0x1000) < 0x00100000 && otherPath) {
      base = kOtherBase;
      return otherPath;
    }
    return std::nullopt;
  }
};

// What GetModuleFileNameA leaves in a 261-byte buffer: at most 260 bytes.
std::string asReturned(const std::string& path) {
  return path.substr(0, 260);
}

std::string expectedReport(const TObject* error, std::uintptr_t address, const Memory& memory) {
  std::uintptr_t base = 0;
  std::uintptr_t offset = address;
  std::string path;
  if (auto p = memory.moduleOf(address, base); p && !asReturned(*p).empty()) {
    path = asReturned(*p);
    offset = address - base;
  } else {
    path = asReturned(memory.programPath);
    if (offset != 0) offset -= 4096;
  }
  std::string message, endMark;
  if (error->is(Exception::classRef)) {
    const std::string& m = static_cast<const Exception*>(error)->message;
    message = m.substr(0, m.find('\0'));
    if (!m.empty() && m.back() != '.') endMark = ".";
  }
  return "Exception " + std::string(error->className()) + " in module " +
         afterLast(path, "\\", false) + " at " + hex(offset, 8) + ".\n" + message + endMark;
}

std::string expectedSystemMessage(const EXCEPTION_RECORD& record, const Memory& memory) {
  const CodeRow row = rowOfCode(record.ExceptionCode);
  if (row.reason == 22) return "External exception " + hex(record.ExceptionCode, 1);
  if (row.reason != 11) return kReasons[row.reason].message;
  const std::string access = record.ExceptionInformation[0] != 0 ? "Write" : "Read";
  const auto address = reinterpret_cast<std::uintptr_t>(record.ExceptionAddress);
  const std::string target = hex(record.ExceptionInformation[1], 8);
  std::uintptr_t base = 0;
  const auto path = memory.moduleOf(address, base);
  if (path && !asReturned(*path).empty()) {
    return "Access violation at address " + hex(address, 8) + " in module '" +
           afterLast(asReturned(*path), "\\:", true) + "'. " + access + " of address " + target;
  }
  return "Access violation at address " + hex(address, 8) + ". " + access + " of address " + target;
}

// The one report a failure left: the box text, or the standard output
// without its final CR LF.
std::string onlyReport(const FakePlatform& fake, const char* caption, UINT style) {
  if (isConsoleProcess) {
    CHECK(fake.boxes.empty());
    CHECK(fake.standardOutput.size() >= 2);
    CHECK(fake.standardOutput.compare(fake.standardOutput.size() - 2, 2, "\r\n") == 0);
    return fake.standardOutput.substr(0, fake.standardOutput.size() - 2);
  }
  CHECK(fake.standardOutput.empty());
  CHECK(fake.boxes.size() == 1);
  CHECK(fake.boxes[0].caption == caption && fake.boxes[0].style == style);
  return fake.boxes[0].text;
}

// The report `text` as onlyReport gives it back: on a console each line
// feed that no CR comes before is written as CR LF.
std::string asShown(const std::string& text) {
  if (!isConsoleProcess) return text;
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) shown += '\r';
    shown += text[i];
  }
  return shown;
}

std::string expectedRunErrorLine(std::int32_t code, std::uintptr_t address) {
  std::string line = "Runtime error     at " + hex(address, kRunErrorAddressDigits);
  std::size_t i = 16;
  auto value = static_cast<std::uint32_t>(code);
  do {
    line[i--] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return line;
}

// Runs `f`, which must end the process; gives its exit code.
template <class F>
std::uint32_t exitOf(F&& f) {
  try {
    f();
  } catch (const FakeExit& exit) {
    return exit.code;
  }
  ::bootspan::fuzzing::failCheck(__FILE__, __LINE__, "the process went on");
}

std::uintptr_t readAddress(Reader& in) {
  const std::uint8_t where = in.byte();
  const std::uint32_t low = static_cast<std::uint32_t>(in.word());
  switch (where % 4) {
    case 0:
      return kProgramBase + 0x1000 + low % 0x00100000;
    case 1:
      return kOtherBase + 0x1000 + low % 0x00100000;
    case 2:
      return low % 0x2000;  // near 0, below the 4096 taken off
    default:
      return low;
  }
}

std::string readPath(Reader& in) {
  std::string path(in.byte() % 200 + (in.byte() & 1) * 100, '\0');  // 0..299 bytes
  const std::uint8_t a = in.byte(), b = in.byte(), c = in.byte();
  for (std::size_t i = 0; i < path.size(); ++i) {
    const std::uint8_t r = in.byte();
    path[i] = static_cast<char>(r % 4 == 0 ? '\\' : r % 4 == 1 ? a : r % 4 == 2 ? b : c);
  }
  return path;
}

// Hands `failure` to the last-resort handler with the hooks installed: the
// process ends with exit code 1 after exactly one report, `expected` cut at
// 1023 bytes. The handler releases the error it reports.
void reportAndCheck(FakePlatform& fake, const TEscapedFailure& failure,
                    const std::string& expected) {
  fake.boxes.clear();
  fake.standardOutput.clear();
  CHECK(exitOf([&] { topLevelHandler(failure); }) == 1);
  const std::string report = onlyReport(fake, "Application Error", MB_TASKMODAL | MB_ICONERROR);
  CHECK(report == asShown(expected.substr(0, kReportLimit)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform& fake = platformWithTables();
  Reader in(data, size);
  const std::uint8_t scenario = in.byte();
  const std::uint8_t flags = in.byte();

  // Machine state for this run.
  fake.boxes.clear();
  fake.standardOutput.clear();
  fake.exitCode.reset();
  fake.unhandledFilterAnswer = EXCEPTION_EXECUTE_HANDLER;
  isConsoleProcess = (flags & 1) != 0;
  sysLocale.farEast = (flags & 2) != 0;
  leadBytes.clear();
  fake.charNextLeadBytes.reset();
  if (sysLocale.farEast) {
    const unsigned low = in.byte(), high = in.byte();
    for (unsigned b = low; b <= high; ++b) {
      leadBytes.add(static_cast<unsigned char>(b));
      if (b != 0) fake.charNextLeadBytes.set(b);
    }
  }
  Memory memory;
  memory.programPath =
      (flags & 4) != 0 ? readPath(in) : "C:\\Program Files\\Bootspan\\Bootspan.exe";
  if ((flags & 8) != 0) memory.otherPath = readPath(in);
  fake.regions = {
      {kProgramBase + 0x1000, 0x00100000, reinterpret_cast<void*>(kProgramBase), MEM_COMMIT},
      {kOtherBase + 0x1000, 0x00100000, reinterpret_cast<void*>(kOtherBase), MEM_COMMIT}};
  fake.modulePaths.clear();
  fake.programPath = memory.programPath;
  fake.modulePaths[fake.programHandle] = memory.programPath;
  if (memory.otherPath) fake.modulePaths[reinterpret_cast<HMODULE>(kOtherBase)] = *memory.otherPath;
  exitCode = 0;
  errorAddress = nullptr;
  // The last-resort handler loads the runtime's floating-point control word;
  // the fuzzer's own arithmetic keeps the one it started with.
  const std::uint16_t controlWord = fpuControlWord();

  switch (scenario % 7) {
    case 0: {  // table A
      const std::uint8_t reason = in.byte();
      const auto io = static_cast<std::int32_t>(in.word());
      inOutResult = io;
      CHECK(exitCodeForReason(reason) == tableA(reason, io));
      break;
    }
    case 1: {  // table B, reasons and classes of exception codes
      const std::uint8_t pick = in.byte();
      const auto raw = static_cast<DWORD>(in.word());
      const DWORD code = pick < 128 ? kCodes[pick % std::size(kCodes)].code : raw;
      const CodeRow row = rowOfCode(code);
      EXCEPTION_RECORD record{};
      record.ExceptionCode = code;
      CHECK(exitCodeForException(code) == row.exitCode);
      CHECK(systemExceptionReason(&record) == row.reason);
      CHECK(std::string_view(systemExceptionClass(&record)->name) ==
            kReasons[row.reason].className);
      break;
    }
    case 2: {  // a reason without the hooks: one run-error line, table A code
      const std::uint8_t reason = in.byte();
      const auto io = static_cast<std::int32_t>(in.word());
      std::uintptr_t address = readAddress(in);
      if (address == 0) address = 1;  // the runtime always names a place
      inOutResult = io;
      const std::uint32_t code =
          exitOf([&] { runtimeFailure(reason, reinterpret_cast<const void*>(address)); });
      CHECK(code == static_cast<std::uint32_t>(tableA(reason, io)));
      CHECK(onlyReport(fake, "Error", MB_OK) == expectedRunErrorLine(tableA(reason, io), address));
      CHECK(errorAddress == nullptr);
      break;
    }
    case 3: {  // a reason with the hooks: its error, then one report, exit 1
      const std::uint8_t reason = in.byte() % 128;
      const auto io = static_cast<std::int32_t>(in.word() % 300);
      const std::uintptr_t address = readAddress(in);
      inOutResult = io;
      installErrorHooks();
      TObject* error = nullptr;
      const void* raisedAt = nullptr;
      try {
        runtimeFailure(reason, reinterpret_cast<const void*>(address));
      } catch (const TEscapedFailure& raised) {
        error = raised.error;
        raisedAt = raised.address;
      }
      CHECK(error != nullptr && raisedAt == reinterpret_cast<const void*>(address));
      const auto* e = static_cast<const Exception*>(error);
      if (reason >= 1 && reason <= 24) {
        CHECK(e->className() == kReasons[reason].className);
        CHECK(e->message == kReasons[reason].message);
      } else {
        CHECK(e->className() == "EInOutError");
        static const std::pair<int, const char*> texts[] = {{2, "File not found"},
                                                            {3, "Invalid filename"},
                                                            {4, "Too many open files"},
                                                            {5, "File access denied"},
                                                            {100, "Read beyond end of file"},
                                                            {101, "Disk full"},
                                                            {106, "Invalid numeric input"}};
        std::string message = "I/O error " + std::to_string(io);
        for (const auto& [c, t] : texts) {
          if (c == io) message = t;
        }
        CHECK(e->message == message);
        CHECK(static_cast<const EInOutError*>(e)->errorCode == io);
        CHECK(inOutResult == 0);
      }
      const std::string expected = expectedReport(error, address, memory);
      reportAndCheck(fake, escapedError(error, raisedAt), expected);
      removeErrorHooks();
      break;
    }
    case 4: {  // a platform exception, with or without the hooks
      const std::uint8_t pick = in.byte();
      const auto raw = static_cast<DWORD>(in.word());
      EXCEPTION_RECORD record{};
      record.ExceptionCode = pick < 160 ? kCodes[pick % std::size(kCodes)].code : raw;
      record.ExceptionAddress = reinterpret_cast<void*>(readAddress(in));
      record.NumberParameters = 2;
      record.ExceptionInformation[0] = in.byte() & 1;
      record.ExceptionInformation[1] = static_cast<std::uint32_t>(in.word());
      if (record.ExceptionCode == languageErrorCode) record.ExceptionCode = 0xE0000001;
      const auto address = reinterpret_cast<std::uintptr_t>(record.ExceptionAddress);
      if ((flags & 16) != 0) {
        const std::uint32_t code = exitOf([&] { topLevelHandler(escapedException(record)); });
        const std::int32_t expected = rowOfCode(record.ExceptionCode).exitCode;
        CHECK(code == static_cast<std::uint32_t>(expected));
        // Also at address 0: no failure ends without its one report.
        CHECK(onlyReport(fake, "Error", MB_OK) == expectedRunErrorLine(expected, address));
      } else {
        installErrorHooks();
        Exception* error = errorFromSystemException(&record);
        const CodeRow row = rowOfCode(record.ExceptionCode);
        CHECK(error->className() == kReasons[row.reason].className);
        CHECK(error->message == expectedSystemMessage(record, memory));
        CHECK(error->is(EExternal::classRef));
        const auto* external = static_cast<const EExternal*>(error);
        CHECK(external->exceptionRecord != nullptr &&
              external->exceptionRecord->ExceptionCode == record.ExceptionCode);
        const std::string expected = expectedReport(error, address, memory);
        releaseError(error);
        // The handler makes the same error through the system hook.
        reportAndCheck(fake, escapedException(record), expected);
        removeErrorHooks();
      }
      break;
    }
    case 6: {  // a faulty directive is quoted cut to 31 bytes
      // "%" [index ":"] ["-"] [width] ["." precision] letter, in digits, and
      // a letter that takes no integer or no type letter at all, 0x81 among
      // them: with code page 932 in force a lead byte ending the quoted text
      // is dropped with its character.
      leadBytes.clear();
      for (unsigned b = 0x81; b <= 0xFC; ++b) {
        if (b <= 0x9F || b >= 0xE0) leadBytes.add(static_cast<unsigned char>(b));
      }
      fake.charNextLeadBytes.reset();
      for (unsigned b = 0; b < 256; ++b)
        fake.charNextLeadBytes[b] = leadBytes.contains(static_cast<unsigned char>(b));
      std::string directive = "%";
      auto digits = [&](int count) {
        for (int k = 0; k < count; ++k)
          directive += static_cast<char>('0' + in.byte() % 10);
      };
      const std::uint8_t shape = in.byte();
      bool indexBeyond = false;  // an index other than 0 names no argument
      if (shape & 1) {
        const std::size_t from = directive.size();
        digits(1 + in.byte() % 3);
        indexBeyond = directive.find_first_not_of('0', from) != std::string::npos;
        directive += ':';
      }
      if (shape & 2) directive += '-';
      digits(in.byte() % 20);
      if (shape & 4) {
        directive += '.';
        digits(in.byte() % 20);
      }
      directive += "psqZ!\x81"[in.byte() % 6];
      const std::string prefix(in.byte() % 8, '=');
      const bool withArgument = (shape & 8) != 0;
      const TArgValue args[] = {integerArg(7)};
      std::optional<std::string> message;
      try {
        formatMessage(prefix + directive + "tail", withArgument ? TArgList(args, 1) : TArgList());
      } catch (const TEscapedFailure& raised) {
        CHECK(raised.error->className() == "EConvertError");
        message = static_cast<const Exception*>(raised.error)->message;
        releaseError(raised.error);
      }
      std::string quoted = directive.substr(0, 31);
      if (sysLocale.farEast && leadBytes.contains(quoted.back())) quoted.pop_back();
      if (!withArgument || indexBeyond) {
        CHECK(message == "No argument for format '" + quoted + "'");
      } else {
        const std::string invalid = "Format '" + quoted + "' invalid or incompatible with argument";
        CHECK(message == invalid || (directive.back() == 's' && !message));
      }
      break;
    }
    default: {  // composeReport on any error and capacity
      static const TClass* const classes[] = {&EConvertError::classRef, &EAccessViolation::classRef,
                                              &EInOutError::classRef, &Exception::classRef,
                                              &EExternalException::classRef};
      const std::uint8_t pick = in.byte();
      const std::size_t capacity = (in.byte() | (static_cast<std::size_t>(in.byte()) << 8)) % 1100;
      const std::uintptr_t address = readAddress(in);
      TObject* error = pick % 6 == 5 ? new TObject : classes[pick % 5]->create();
      std::string message;
      if (error->is(Exception::classRef)) {
        const std::size_t length = in.byte() * 8 + in.byte() % 8;  // 0..2047
        const char unit = static_cast<char>(in.byte());
        message.assign(length, unit);
        for (std::size_t i = 0; i < length; i += 97)
          message[i] = static_cast<char>(in.byte());
        static_cast<Exception*>(error)->message = message;
      }
      GuardedBuffer buffer(capacity + 1);
      const std::size_t n =
          composeReport(error, reinterpret_cast<const void*>(address), buffer.data(), capacity);
      buffer.checkGuard(0);
      const std::string expected = expectedReport(error, address, memory);
      CHECK(n == std::min(capacity, expected.size()));
      CHECK(std::memcmp(buffer.data(), expected.data(), n) == 0 && buffer.data()[n] == '\0');

      // Shown, the report is cut at 1023 bytes.
      showReport(error, reinterpret_cast<const void*>(address));
      CHECK(onlyReport(fake, "Application Error", MB_TASKMODAL | MB_ICONERROR) ==
            asShown(expected.substr(0, kReportLimit)));
      delete error;
      break;
    }
  }

  inOutResult = 0;
  exitCode = 0;
  errorAddress = nullptr;
  removeFaultTrap();
  loadFpuControlWord(controlWord);
  return 0;
}
