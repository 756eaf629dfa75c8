// dexc: the dictionary compiler. All of its work is in dexc_lib; see Commands.h.
#include <iostream>
#include <string>
#include <vector>

#include "tools/dexc/Commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunDexc(args, std::cout, std::cerr);
}
