// Where the morphology tests find the bundled grammar tables and their expected-forms
// table: below the source tree, named by the build, else the current folder (the
// repository root when the tests are run by hand).
#pragma once
#include <fstream>
#include <sstream>
#include <string>

#ifndef DAOLSAE_SOURCE_DIR
#define DAOLSAE_SOURCE_DIR "."
#endif

inline std::string MorphSourcePath(const std::string& relative) {
  return std::string(DAOLSAE_SOURCE_DIR) + "/" + relative;
}

// The whole file, or empty when it cannot be read.
inline std::string ReadMorphFile(const std::string& relative) {
  std::ifstream in(MorphSourcePath(relative), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
