// The Windows programs have no console to print an uncaught C++ exception's
// name on, so std::terminate simply aborts. Defining the handler here keeps
// the C++ library's name demangler (about 45 KB) out of the program; the
// library's own declaration comes from <exception>, so a changed signature
// does not compile, and the build's symbol check fails should the demangler
// come back another way.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
