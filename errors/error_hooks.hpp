// Installing the utility library's failure handling into the runtime's
// hooks, and the two preallocated heap errors.
#pragma once

#include "errors/core/exceptions.hpp"

namespace bootspan {

// Raised for run-time error reasons 1 and 2. They exist from
// installErrorHooks to removeErrorHooks, and their release after handling
// leaves them intact, so raising them needs no memory.
extern EOutOfMemory* outOfMemoryError;
extern EInvalidPointer* invalidPointerError;

// In this order: creates outOfMemoryError ("Out of memory") and
// invalidPointerError ("Invalid pointer operation"), then sets runErrorHook,
// unhandledHook, systemClassHook, systemErrorHook, assertHook and
// abstractHook. A failure part-way propagates with the steps before it done.
void installErrorHooks();

// In this order: releases outOfMemoryError and then invalidPointerError
// (mayRelease set, object destroyed, reference null), then sets every hook
// but abstractHook to null. Safe after a partial installErrorHooks.
void removeErrorHooks();

}  // namespace bootspan
