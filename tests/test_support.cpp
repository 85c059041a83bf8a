#include "tests/test_support.hpp"
