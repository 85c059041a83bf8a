#include "errors/core/hooks.hpp"

namespace bootspan {

TRuntimeHooks runtimeHooks;

thread_local std::int32_t inOutResult = 0;

}  // namespace bootspan
