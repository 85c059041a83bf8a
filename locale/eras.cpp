#include "locale/eras.hpp"

namespace bootspan {

void loadEras() {}

}  // namespace bootspan
