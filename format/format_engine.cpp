// The formatter's entry: the scan of template_scan.hpp, compiled here once
// for every caller that does not compile it in.
#include "format/format.hpp"
#include "format/template_scan.hpp"

namespace bootspan {

std::size_t formatIntoBuffer(char* dest, std::size_t capacity, const char* templateBytes,
                             std::size_t templateLength, TArgList args) {
  return scanTemplate(dest, capacity, templateBytes, templateLength, args);
}

}  // namespace bootspan
