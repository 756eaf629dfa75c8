// Where the morphology tests find the bundled grammar tables and their expected-forms
// table: the source tree the build names, else the tree this header lies in (so the
// tests find their files from any working directory).
#pragma once
#include <fstream>
#include <sstream>
#include <string>

inline std::string MorphSourceRoot() {
#ifdef DAOLSAE_SOURCE_DIR
  return DAOLSAE_SOURCE_DIR;
#else
  const std::string here = __FILE__;  // <root>/tools/dexc/MorphTestData.h
  std::size_t tools = here.rfind("tools/dexc/");
  if (tools == std::string::npos || tools == 0) return ".";
  return here.substr(0, tools - 1);
#endif
}

inline std::string MorphSourcePath(const std::string& relative) {
  return MorphSourceRoot() + "/" + relative;
}

// The whole file, or empty when it cannot be read.
inline std::string ReadMorphFile(const std::string& relative) {
  std::ifstream in(MorphSourcePath(relative), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
