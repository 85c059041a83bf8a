#include "errors/core/exceptions.hpp"

namespace bootspan {

BOOTSPAN_DEFINE_CLASS(Exception, TObject)
BOOTSPAN_DEFINE_CLASS(EHeapException, Exception)
BOOTSPAN_DEFINE_CLASS(EOutOfMemory, EHeapException)
BOOTSPAN_DEFINE_CLASS(EInvalidPointer, EHeapException)
BOOTSPAN_DEFINE_CLASS(EInOutError, Exception)
BOOTSPAN_DEFINE_CLASS(EExternal, Exception)
BOOTSPAN_DEFINE_CLASS(EExternalException, EExternal)
BOOTSPAN_DEFINE_CLASS(EIntError, EExternal)
BOOTSPAN_DEFINE_CLASS(EDivByZero, EIntError)
BOOTSPAN_DEFINE_CLASS(ERangeError, EIntError)
BOOTSPAN_DEFINE_CLASS(EIntOverflow, EIntError)
BOOTSPAN_DEFINE_CLASS(EMathError, EExternal)
BOOTSPAN_DEFINE_CLASS(EInvalidOp, EMathError)
BOOTSPAN_DEFINE_CLASS(EZeroDivide, EMathError)
BOOTSPAN_DEFINE_CLASS(EOverflow, EMathError)
BOOTSPAN_DEFINE_CLASS(EUnderflow, EMathError)
BOOTSPAN_DEFINE_CLASS(EInvalidCast, Exception)
BOOTSPAN_DEFINE_CLASS(EConvertError, Exception)
BOOTSPAN_DEFINE_CLASS(EAccessViolation, EExternal)
BOOTSPAN_DEFINE_CLASS(EPrivilege, EExternal)
BOOTSPAN_DEFINE_CLASS(EStackOverflow, EExternal)
BOOTSPAN_DEFINE_CLASS(EControlC, EExternal)
BOOTSPAN_DEFINE_CLASS(EVariantError, Exception)
BOOTSPAN_DEFINE_CLASS(EAssertionFailed, Exception)
BOOTSPAN_DEFINE_CLASS(EAbstractError, Exception)
BOOTSPAN_DEFINE_CLASS(EIntfCastError, Exception)
BOOTSPAN_DEFINE_CLASS(ESafecallException, Exception)

void EExternal::keepRecord(const EXCEPTION_RECORD& record) {
  recordCopy_ = record;
  recordCopy_.ExceptionRecord = nullptr;
  exceptionRecord = &recordCopy_;
}

void EHeapException::operator delete(EHeapException* self, std::destroying_delete_t) {
  if (!self->mayRelease) return;
  self->~EHeapException();
  ::operator delete(self);
}

}  // namespace bootspan
