// The Windows program has no console to print an uncaught C++ exception's
// name on, so std::terminate simply aborts. Defining the handler here keeps
// the C++ library's name demangler (about 45 KB) out of the program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
