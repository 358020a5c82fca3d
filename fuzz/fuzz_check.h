// The one way a fuzz target reports a broken property: a message, then abort, which libFuzzer
// records as a crash together with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace orvenal {

inline void FuzzCheck(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
  }
}

}  // namespace orvenal
