#include "app/qt/MissingDictionaryReport.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

std::string MissingDictionaryText(const std::string& fileName, const std::string& folder) {
  return "daolsae: cannot open the dictionary file " + fileName + " in the folder " + folder +
         "\n"
         "daolsae reads its dictionaries from the folder it is started in. Start it from the\n"
         "desktop menu or with daolsae-launcher, or inside a folder of compiled dictionaries\n"
         "(after a build: cd build/dictionaries && ../app/qt/daolsae).\n";
}

void ReportMissingDictionary(const char* fileName) {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::current_path(error);
  const std::string where = error ? std::string("(the current folder, which cannot be named)") : folder.string();
  std::fputs(MissingDictionaryText(fileName ? fileName : "", where).c_str(), stderr);
}
