#include "errors/core/hooks.hpp"

namespace bootspan {

TRunErrorHook runErrorHook = nullptr;
TUnhandledHook unhandledHook = nullptr;
TSystemErrorHook systemErrorHook = nullptr;
TSystemClassHook systemClassHook = nullptr;
TAssertHook assertHook = nullptr;
TAbstractHook abstractHook = nullptr;

thread_local std::int32_t inOutResult = 0;

}  // namespace bootspan
