// Shared pieces of the fuzz targets. Every reader of the program opens its dictionary
// files by bare name, so the fuzzer's bytes become dictionaries of those names before
// each run: in-memory dictionaries (dict/MemoryDictionaries.h) for most targets, which
// keeps an execution short, and real files in a private scratch directory for
// fuzz_records, which reads through the file system as the program does.
// Every dictionary exists at all times (empty unless written): a missing one would end
// the process with status 1, which is the program's rule, not a finding.
//
// Input layout of the targets that take several files: sections separated by the line
// kSectionSeparator ("\n--8<--\n"); section i becomes the i-th file the target names,
// the section after the files (when the target takes one) is its control text. Missing
// sections are empty. fuzz/make-seeds.sh writes inputs in this layout.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline constexpr std::string_view kSectionSeparator = "\n--8<--\n";

// All seven dictionary names, in the order main, ekmain, gu, ekgu, change, ekchange, tosi.
const std::vector<const char*>& AllDictionaryNames();

// Creates the scratch directory (under /dev/shm when present), changes into it and
// writes every dictionary as an empty file. Call once, from LLVMFuzzerInitialize with
// its arguments: relative paths among them (corpus directories, inputs to replay,
// -artifact_prefix=, -dict= and the like) are made absolute first, since libFuzzer
// reads them only after the change of directory.
void EnterScratchDir(int* argc, char*** argv);

// Turns the in-memory dictionaries on and puts every dictionary as empty. Call once,
// from LLVMFuzzerInitialize; the disk is not read afterwards.
void UseMemoryDictionaries();

// Splits `data` at the separator into exactly `count` sections (the last one takes the
// rest, separators included; missing ones are empty).
std::vector<std::string_view> SplitSections(const std::uint8_t* data, std::size_t size,
                                            std::size_t count);

// Replaces the dictionary `name` by `bytes`: the in-memory one when they are on, else
// the file in the scratch directory.
void WriteFile(const char* name, std::string_view bytes);

// Lines of a control text, without their line ends ("\n", and a "\r" before it).
std::vector<std::string> Lines(std::string_view text);

// Field `index` (0-based) of a tab-separated line; "" when the line has fewer.
std::string Field(const std::string& line, int index);

// A freshly constructed T in storage kept from one run to the next (the previous run's
// object is destroyed first). The candidate list and the objects that hold it are large
// (a third of a megabyte): allocated anew on every run, the page faults of their memory
// cost more than the run itself.
template <typename T>
T& Fresh() {
  alignas(T) static unsigned char storage[sizeof(T)];
  static T* object = nullptr;
  if (object) std::destroy_at(object);
  object = ::new (storage) T();
  return *object;
}

// Invariant check that stays on in release builds: prints `what` and aborts.
#define FUZZ_CHECK(condition, what)                    \
  do {                                                 \
    if (!(condition)) ::fuzz::Fail(__FILE__, __LINE__, what); \
  } while (0)
[[noreturn]] void Fail(const char* file, int line, const char* what);

}  // namespace fuzz
