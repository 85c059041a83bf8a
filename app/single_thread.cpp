// The POSIX thread functions that the C++ runtime of the Windows programs
// calls, for a program that runs one thread: the unwinder's frame registry,
// the exception allocation pool, the guards of function-local statics and the
// emulated thread-local storage of the exception globals lock, wait and keep
// per-thread values through them. Defined here, they take the place of the
// thread library's, which would bring about 32 KB of thread management into
// the program. The thread library's own header declares them, so a changed
// signature does not compile.
//
// With one thread nothing is ever contended: a lock always succeeds, a once
// routine runs on the first call (and again on the next when it throws), and
// a key holds one value. A wait could only be for the thread itself (a
// function-local static whose initialisation needs itself), which no other
// thread can end, so it fails with EDEADLK. Every function aborts when it is
// called from a thread other than the first that called one of them: two
// threads would share the values and locks here silently. The thread is
// asked of the system itself, not of the platform layer, whose accessor may
// be guarded by these very functions.
#include <pthread.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>

namespace {

// Emulated thread-local storage asks for one key; a few more cost nothing.
constexpr unsigned kKeyCount = 8;

void* keyValues[kKeyCount];
unsigned keysCreated = 0;

DWORD firstThread = 0;  // 0 until one of the functions is first called

void requireFirstThread() {
  const DWORD thread = GetCurrentThreadId();
  if (firstThread == 0) firstThread = thread;
  if (thread != firstThread) std::abort();
}

// The states of a once flag; PTHREAD_ONCE_INIT is 0.
constexpr pthread_once_t kOnceNotRun = 0;
constexpr pthread_once_t kOnceRunning = 1;
constexpr pthread_once_t kOnceDone = 2;

}  // namespace

extern "C" {

int pthread_once(pthread_once_t* once, void (*routine)()) {
  requireFirstThread();
  if (*once == kOnceDone) return 0;
  if (*once == kOnceRunning) std::abort();  // the routine waits for itself
  *once = kOnceRunning;
  try {
    routine();
  } catch (...) {
    *once = kOnceNotRun;  // the next call runs it again
    throw;
  }
  *once = kOnceDone;
  return 0;
}

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t*) {
  requireFirstThread();
  *mutex = 0;
  return 0;
}

// The calls that only check the thread and give a fixed answer.
#define BOOTSPAN_THREAD_CHECK_ONLY(name, parameters, answer) \
  int name parameters {                                      \
    requireFirstThread();                                    \
    return answer;                                           \
  }

BOOTSPAN_THREAD_CHECK_ONLY(pthread_mutex_destroy, (pthread_mutex_t*), 0)
BOOTSPAN_THREAD_CHECK_ONLY(pthread_mutex_lock, (pthread_mutex_t*), 0)
BOOTSPAN_THREAD_CHECK_ONLY(pthread_mutex_unlock, (pthread_mutex_t*), 0)
BOOTSPAN_THREAD_CHECK_ONLY(pthread_cond_broadcast, (pthread_cond_t*), 0)
BOOTSPAN_THREAD_CHECK_ONLY(pthread_cond_wait, (pthread_cond_t*, pthread_mutex_t*), EDEADLK)

#undef BOOTSPAN_THREAD_CHECK_ONLY

int pthread_key_create(pthread_key_t* key, void (*)(void*)) {
  requireFirstThread();
  if (keysCreated == kKeyCount) return EAGAIN;
  *key = keysCreated++;
  return 0;
}

void* pthread_getspecific(pthread_key_t key) {
  requireFirstThread();
  return key < keysCreated ? keyValues[key] : nullptr;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
  requireFirstThread();
  if (key >= keysCreated) return EINVAL;
  keyValues[key] = const_cast<void*>(value);
  return 0;
}

}  // extern "C"
