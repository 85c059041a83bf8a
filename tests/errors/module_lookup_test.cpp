#include <gtest/gtest.h>

#include <string>

#include "errors/module_lookup.hpp"
#include "platform/fake/fake_platform.hpp"

namespace bootspan {
namespace {

struct LookupCase {
  const char* name;
  DWORD state;       // of the region at 0x10001000
  const char* path;  // of the module at 0x10000000; null: unknown
  std::uintptr_t address;
  bool found;
  std::string expectedPath;
};

TEST(ModuleLookup, NamesTheModuleOfACommittedRegionOnly) {
  const std::string longPath = "C:\\" + std::string(300, 'a');
  const LookupCase cases[] = {
      {"committed", MEM_COMMIT, "C:\\Other\\Other.dll", 0x10001234, true, "C:\\Other\\Other.dll"},
      {"cut to 260", MEM_COMMIT, longPath.c_str(), 0x10001234, true, longPath.substr(0, 260)},
      {"reserved", 0x2000, "C:\\Other\\Other.dll", 0x10001234, false, ""},
      {"free memory", MEM_COMMIT, "C:\\Other\\Other.dll", 0x20000000, false, ""},
      {"no path", MEM_COMMIT, nullptr, 0x10001234, false, ""},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform fake;
    const auto base = reinterpret_cast<HMODULE>(0x10000000);
    fake.regions = {{0x10001000, 0x1000, base, c.state}};
    if (c.path != nullptr) fake.modulePaths[base] = c.path;
    TModuleAt module;
    module.path[0] = 'x';
    EXPECT_EQ(findModuleAt(fake, reinterpret_cast<const void*>(c.address), module), c.found);
    EXPECT_EQ(std::string(module.path), c.expectedPath);
    if (c.found) {
      EXPECT_EQ(module.handle, base);
    }
  }
}

}  // namespace
}  // namespace bootspan
