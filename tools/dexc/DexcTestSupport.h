// Test helpers for dexc: write source files into the scratch directory, compile or
// build them, and dump the results as lines. Used by the tests of tools/dexc and
// tools/lint.
#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/dexc/Compile.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Dump.h"
#include "tools/dexc/DexKinds.h"
#include "tools/dexc/Commands.h"

// Writes text (UTF-8) to path, creating its folders.
inline void WriteSource(const std::string& path, const std::string& text) {
  std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// Runs dexc with the arguments; the printed output goes to *out and *err.
inline int Dexc(const std::vector<std::string>& args, std::string* out = nullptr,
                std::string* err = nullptr) {
  std::ostringstream o, e;
  int status = RunDexc(args, o, e);
  if (out) *out = o.str();
  if (err) *err = e.str();
  return status;
}

// The dump of a file, one string per line.
inline std::vector<std::string> DumpLines(const std::string& file) {
  std::string out, err;
  Dexc({"dump", file}, &out, &err);
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The error lines of compiling the directory `dir`.
inline std::vector<std::string> CompileErrors(const std::string& dir) {
  CDiagnostics diag;
  CompileSources(dir, diag);
  return diag.Errors();
}
