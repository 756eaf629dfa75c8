#include "dict/KeptMappings.h"

#include <sys/mman.h>

#include <map>
#include <mutex>
#include <string>

KeptMapping::~KeptMapping() {
  if (pData) ::munmap(const_cast<unsigned char*>(pData), nSize);
}

std::shared_ptr<const KeptMapping> MappingOf(const char* fileName, int fd, const struct stat& info) {
  static std::mutex guard;
  static std::map<std::string, std::shared_ptr<const KeptMapping>> kept;
  const std::lock_guard<std::mutex> lock(guard);
  std::shared_ptr<const KeptMapping>& entry = kept[fileName];
  const auto size = static_cast<std::size_t>(info.st_size);
  if (entry && entry->device == info.st_dev && entry->inode == info.st_ino && entry->nSize == size)
    return entry;
  // Shared, so that bytes written into the file in place show through the kept mapping
  // at once, as they would through a new one.
  void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
  if (map == MAP_FAILED) {
    entry.reset();
    return nullptr;
  }
  auto mapping = std::make_shared<KeptMapping>();
  mapping->pData = static_cast<const unsigned char*>(map);
  mapping->nSize = size;
  mapping->device = info.st_dev;
  mapping->inode = info.st_ino;
  entry = mapping;
  return entry;
}
