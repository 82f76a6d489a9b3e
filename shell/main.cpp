#include <cstdio>

#include "analysis/module1.hpp"

// The windows are not built yet: until they are, the program says so and ends.
int main() {
  Module1::Initialize();
  std::puts(
      "Dalvenquist 4.0: the analysis engine is built and tested; the windows are not built yet.");
  return 0;
}
