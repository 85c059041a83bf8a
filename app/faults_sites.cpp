#include "app/faults_sites.hpp"

#include <limits>
#include <new>

#include "errors/core/halt.hpp"

extern "C" {
void (*faultRunErrorTarget)(std::int32_t) = &bootspan::runError;
void* (*faultAllocateTarget)(std::size_t) = static_cast<void* (*)(std::size_t)>(&::operator new[]);
extern const long double faultLargest = std::numeric_limits<long double>::max();
}

#define FAULT_STRING2(x) #x
#define FAULT_STRING(x) FAULT_STRING2(x)
#define FAULT_SYMBOL(name) FAULT_STRING(__USER_LABEL_PREFIX__) #name

// One routine: global entry symbol, call-frame information for the unwinder.
#define FAULT_BEGIN(name) \
  ".text\n.globl " FAULT_SYMBOL(name) "\n" FAULT_SYMBOL(name) ":\n.cfi_startproc\n"
#define FAULT_LABEL(name) ".globl " FAULT_SYMBOL(name) "\n" FAULT_SYMBOL(name) ":\n"
#define FAULT_END ".cfi_endproc\n"

// The accumulator as a pointer, and a global datum, as this processor
// addresses them.
#if defined(__x86_64__)
#define FAULT_ACCUMULATOR "%rax"
#define FAULT_DATA(name) FAULT_SYMBOL(name) "(%rip)"
#elif defined(__i386__)
#define FAULT_ACCUMULATOR "%eax"
#define FAULT_DATA(name) FAULT_SYMBOL(name)
#else
#error "the failure sites are written for x86 processors"
#endif

// The sites that fault the same way on both processors.
#define FAULT_COMMON_SITES   \
  FAULT_BEGIN(faultWriteNil) \
  "xorl %eax, %eax\n" \
  FAULT_LABEL(faultSiteWriteNil) \
  "movl $1, (" FAULT_ACCUMULATOR ")\n" \
  "ret\n" \
  FAULT_END \
  FAULT_BEGIN(faultIntDivide) \
  "xorl %ecx, %ecx\n" \
  "movl $1, %eax\n" \
  "xorl %edx, %edx\n" \
  FAULT_LABEL(faultSiteIntDivide) \
  "divl %ecx\n" \
  "ret\n" \
  FAULT_END \
  FAULT_BEGIN(faultFpuZeroDivide) \
  "fldz\n" \
  "fld1\n" \
  FAULT_LABEL(faultSiteFpuZeroDivide) \
  "fdiv %st(1), %st\n" \
  "fwait\n" \
  "fstp %st(0)\n" \
  "fstp %st(0)\n" \
  "ret\n" \
  FAULT_END \
  FAULT_BEGIN(faultFpuInvalid) \
  "fldz\n" \
  "fldz\n" \
  FAULT_LABEL(faultSiteFpuInvalid) \
  "fdiv %st(1), %st\n" \
  "fwait\n" \
  "fstp %st(0)\n" \
  "fstp %st(0)\n" \
  "ret\n" \
  FAULT_END \
  FAULT_BEGIN(faultFpuOverflow) \
  "fldt " FAULT_DATA(faultLargest) "\n" \
  "fld %st(0)\n" \
  FAULT_LABEL(faultSiteFpuOverflow) \
  "fmul %st(1), %st\n" \
  "fwait\n" \
  "fstp %st(0)\n" \
  "fstp %st(0)\n" \
  "ret\n" \
  FAULT_END

#if defined(__x86_64__)

__asm__(FAULT_COMMON_SITES
        FAULT_BEGIN(faultRunError)
        "subq $8, %rsp\n"
        ".cfi_adjust_cfa_offset 8\n"
        "movl $216, %edi\n"
        "call *" FAULT_DATA(faultRunErrorTarget) "\n"
        FAULT_LABEL(faultSiteRunErrorReturn)
        "addq $8, %rsp\n"
        ".cfi_adjust_cfa_offset -8\n"
        "ret\n"
        FAULT_END
        FAULT_BEGIN(faultAllocate)
        "subq $8, %rsp\n"
        ".cfi_adjust_cfa_offset 8\n"
        "movabsq $0x4000000000000000, %rdi\n"
        "call *" FAULT_DATA(faultAllocateTarget) "\n"
        FAULT_LABEL(faultSiteAllocateReturn)
        "addq $8, %rsp\n"
        ".cfi_adjust_cfa_offset -8\n"
        "ret\n"
        FAULT_END
        FAULT_BEGIN(faultStackOverflow)
        "pushq %rbp\n"
        ".cfi_def_cfa_offset 16\n"
        ".cfi_offset %rbp, -16\n"
        "movq %rsp, %rbp\n"
        ".cfi_def_cfa_register %rbp\n"
        FAULT_LABEL(faultSiteStackOverflow)
        "pushq %rax\n"
        "jmp " FAULT_SYMBOL(faultSiteStackOverflow) "\n"
        FAULT_END
        FAULT_BEGIN(faultSiteConvert)
        "ret\n"
        FAULT_END);

#else

__asm__(FAULT_COMMON_SITES
        FAULT_BEGIN(faultRunError)
        "pushl $216\n"
        ".cfi_adjust_cfa_offset 4\n"
        "call *" FAULT_DATA(faultRunErrorTarget) "\n"
        FAULT_LABEL(faultSiteRunErrorReturn)
        "addl $4, %esp\n"
        ".cfi_adjust_cfa_offset -4\n"
        "ret\n"
        FAULT_END
        FAULT_BEGIN(faultAllocate)
        "pushl $0x7FFFFFF0\n"
        ".cfi_adjust_cfa_offset 4\n"
        "call *" FAULT_DATA(faultAllocateTarget) "\n"
        FAULT_LABEL(faultSiteAllocateReturn)
        "addl $4, %esp\n"
        ".cfi_adjust_cfa_offset -4\n"
        "ret\n"
        FAULT_END
        FAULT_BEGIN(faultStackOverflow)
        "pushl %ebp\n"
        ".cfi_def_cfa_offset 8\n"
        ".cfi_offset %ebp, -8\n"
        "movl %esp, %ebp\n"
        ".cfi_def_cfa_register %ebp\n"
        FAULT_LABEL(faultSiteStackOverflow)
        "pushl %eax\n"
        "jmp " FAULT_SYMBOL(faultSiteStackOverflow) "\n"
        FAULT_END
        FAULT_BEGIN(faultSiteConvert)
        "ret\n"
        FAULT_END);

#endif
