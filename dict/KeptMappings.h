// Mappings of dictionary files kept from one call to the next. A call maps the files it
// probes; mapped anew on every call, a large dictionary costs a page fault for every page
// the call touches again, and an unmapping. CDexFile asks here instead: a file that is
// still the same file (device, inode) of the same size gets the mapping it had, which
// shows the file's current bytes; anything else is mapped afresh. One mapping is kept
// per file name; a replaced one is unmapped when the last reader of it closes.
#pragma once
#include <sys/stat.h>

#include <cstddef>
#include <memory>

struct KeptMapping {
  const unsigned char* pData = nullptr;
  std::size_t nSize = 0;
  dev_t device = 0;
  ino_t inode = 0;
  ~KeptMapping();
};

// The mapping of the open file `fd` (a regular file of info.st_size > 0 bytes) opened as
// `fileName`: the kept one when it is of the same file and size, else a new one, then
// kept. nullptr when the file cannot be mapped.
std::shared_ptr<const KeptMapping> MappingOf(const char* fileName, int fd, const struct stat& info);
