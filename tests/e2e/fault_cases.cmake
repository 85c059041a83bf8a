# The failures of the failure-injection program and what each must show.
# One entry a case: word|exit code|report or line|text. In the text, \n is the
# line feed of the report, @MODULE@ the module name the report prints (after
# the last backslash of the program's path), @RVA:s@ the offset of symbol s in
# the program's image, @VA:s@ its address as %p prints it, and @LINE:s@ its
# address as the run-error line prints it.
set(BOOTSPAN_FAULT_CASES
  "convert|1|report|Exception EConvertError in module @MODULE@ at @RVA:faultSiteConvert@.\\n'1.-5' is not a valid timestamp."
  "bad-format|1|report|Exception EConvertError in module @MODULE@ at @RVA:faultSiteConvert@.\\nFormat '%y' invalid or incompatible with argument."
  "write-nil|1|report|Exception EAccessViolation in module @MODULE@ at @RVA:faultSiteWriteNil@.\\nAccess violation at address @VA:faultSiteWriteNil@ in module '@MODULE@'. Write of address 00000000."
  "int-divide|1|report|Exception EDivByZero in module @MODULE@ at @RVA:faultSiteIntDivide@.\\nDivision by zero."
  "fpu-zero-divide|1|report|Exception EZeroDivide in module @MODULE@ at @RVA:faultSiteFpuZeroDivide@.\\nFloating point division by zero."
  "fpu-invalid|1|report|Exception EInvalidOp in module @MODULE@ at @RVA:faultSiteFpuInvalid@.\\nInvalid floating point operation."
  "fpu-overflow|1|report|Exception EOverflow in module @MODULE@ at @RVA:faultSiteFpuOverflow@.\\nFloating point overflow."
  "out-of-memory|1|report|Exception EOutOfMemory in module @MODULE@ at @RVA:faultSiteAllocateReturn@.\\nOut of memory."
  "stack-overflow|1|report|Exception EStackOverflow in module @MODULE@ at @RVA:faultSiteStackOverflow@.\\nStack overflow."
  "run-error|216|line|Runtime error 216 at @LINE:faultSiteRunErrorReturn@"
  "early-raise|217|line|Runtime error 217 at @LINE:faultSiteConvert@"
  "early-write-nil|216|line|Runtime error 216 at @LINE:faultSiteWriteNil@"
  "early-out-of-memory|203|line|Runtime error 203 at @LINE:faultSiteAllocateReturn@"
  "early-stack-overflow|202|line|Runtime error 202 at @LINE:faultSiteStackOverflow@"
  "late-raise|217|line|Runtime error 217 at @LINE:faultSiteConvert@"
)

set(BOOTSPAN_FAULT_WORDS "")
foreach(entry IN LISTS BOOTSPAN_FAULT_CASES)
  string(REGEX REPLACE "\\|.*" "" word "${entry}")
  list(APPEND BOOTSPAN_FAULT_WORDS "${word}")
endforeach()
