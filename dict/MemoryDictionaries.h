// Dictionaries held in memory under their bare names, read by CDexFile in place of the
// files of the same names. The fuzz targets and tests that write many dictionaries turn
// it on; the program and the driver never do, and read real files.
// While it is on, a name that holds no buffer is a missing file (the program ends with
// status 1), and nothing is read from the disk.
#pragma once
#include <memory>
#include <string>
#include <string_view>

// One version of an in-memory dictionary. A CDexFile that opened it keeps reading it
// when a new version is put under the same name, as an open file renamed over does.
struct MemoryDictionary {
  std::string strBytes;
  unsigned long long nVersion = 0;  // distinct for every Put, never 0
};

// Turns the in-memory dictionaries on or off. Turning them off forgets every buffer.
void UseMemoryDictionaries(bool bOn);
bool MemoryDictionariesInUse();

// Puts a copy of `bytes` under `name`, replacing what was there.
void PutMemoryDictionary(std::string_view name, std::string_view bytes);
// Removes the buffer under `name` (the name is then missing).
void RemoveMemoryDictionary(std::string_view name);
// The current version under `name`, or nullptr.
std::shared_ptr<const MemoryDictionary> FindMemoryDictionary(std::string_view name);
