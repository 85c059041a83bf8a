// Failure sites of the failure-injection program: small assembly routines
// whose faulting instruction (or the instruction after a call) carries a
// global label, so the tests can compute the offsets the reports must show
// from the program's own symbols.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

// Writes to address 0; the write is at faultSiteWriteNil.
void faultWriteNil();
// Divides 1 by 0 with an integer division at faultSiteIntDivide.
void faultIntDivide();
// x87 division 1 / 0 at faultSiteFpuZeroDivide.
void faultFpuZeroDivide();
// x87 division 0 / 0 at faultSiteFpuInvalid.
void faultFpuInvalid();
// x87 product of the largest extended value with itself at faultSiteFpuOverflow.
void faultFpuOverflow();
// Calls faultRunErrorTarget(216); the call returns to faultSiteRunErrorReturn.
void faultRunError();
// Calls faultAllocateTarget with a size no heap can give; the call returns
// to faultSiteAllocateReturn.
void faultAllocate();
// Pushes onto the stack until it overflows; the push at
// faultSiteStackOverflow is the one that faults. The frame pointer keeps the
// routine's frame known to the unwinder however deep it has pushed.
void faultStackOverflow();
// A code address to raise errors at (the routine only returns).
void faultSiteConvert();

extern void (*faultRunErrorTarget)(std::int32_t code);
extern void* (*faultAllocateTarget)(std::size_t size);
extern const long double faultLargest;
}
