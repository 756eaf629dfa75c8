#include "dict/DictionaryFiles.h"

#include "dict/DexFile.h"

int FileLength(CDexFile& file) {
  long position = file.Tell();
  file.SeekToEnd();
  long length = file.Tell();
  file.Seek(position);
  return static_cast<int>(length);
}

int RecordCount(CDexFile& file, std::size_t recordSize) {
  return FileLength(file) / static_cast<int>(recordSize);
}
