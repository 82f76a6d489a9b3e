#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The bytes of a file in the fixtures folder.
inline std::string Fixture(const std::string& name) {
  std::ifstream in(std::string(FIXTURE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
