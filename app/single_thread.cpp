// The POSIX thread functions that the C++ runtime of the Windows programs
// calls, for a program that runs one thread: the unwinder's frame registry,
// the exception allocation pool, the guards of function-local statics and the
// emulated thread-local storage of the exception globals lock, wait and keep
// per-thread values through them. Defined here, they take the place of the
// thread library's, which would bring about 32 KB of thread management into
// the program.
//
// With one thread nothing is ever contended: a lock always succeeds, a once
// routine runs on the first call, and a key holds one value. A wait could
// only be for the thread itself (a function-local static whose initialisation
// needs itself), which no other thread can end, so it fails with EDEADLK.
#include <cerrno>
#include <cstdint>

namespace {

// Emulated thread-local storage asks for one key; a few more cost nothing.
constexpr unsigned kKeyCount = 8;

void* keyValues[kKeyCount];
unsigned keysCreated = 0;

}  // namespace

// The thread library's types, as it declares them: a once flag is a long, a
// mutex and a condition variable a pointer-sized handle, a key an unsigned.
using pthread_once_t = long;
using pthread_mutex_t = std::intptr_t;
using pthread_cond_t = void*;
using pthread_key_t = unsigned;
using pthread_attr_handle = void*;

extern "C" {

int pthread_once(pthread_once_t* once, void (*routine)()) {
  if (*once == 0) {
    *once = 1;
    routine();
  }
  return 0;
}

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_attr_handle*) {
  *mutex = 0;
  return 0;
}

int pthread_mutex_destroy(pthread_mutex_t*) {
  return 0;
}
int pthread_mutex_lock(pthread_mutex_t*) {
  return 0;
}
int pthread_mutex_unlock(pthread_mutex_t*) {
  return 0;
}
int pthread_cond_broadcast(pthread_cond_t*) {
  return 0;
}
int pthread_cond_wait(pthread_cond_t*, pthread_mutex_t*) {
  return EDEADLK;
}

int pthread_key_create(pthread_key_t* key, void (*)(void*)) {
  if (keysCreated == kKeyCount) return EAGAIN;
  *key = keysCreated++;
  return 0;
}

void* pthread_getspecific(pthread_key_t key) {
  return key < keysCreated ? keyValues[key] : nullptr;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
  if (key >= keysCreated) return EINVAL;
  keyValues[key] = const_cast<void*>(value);
  return 0;
}

}  // extern "C"
