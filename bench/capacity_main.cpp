// daolsae-capacity DIR: writes the capacity dictionaries (all seven .dex files) into
// DIR, for trying the program or the headless driver on data at full size.
#include <cstdio>
#include <cstring>

#include "bench/CapacityDictionaries.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: daolsae-capacity DIR\n"
                         "writes main, ekmain, gu, ekgu, change, ekchange and tosi .dex at\n"
                         "full capacity into DIR\n");
    return argc == 2 ? 0 : 2;
  }
  WriteCapacityDictionaries(argv[1]);
  return 0;
}
