// An open dictionary file, read record by record. Opened by bare name from the current
// directory for the length of one call, and closed when the object goes out of scope.
// Every reader of every dictionary goes through this class.
//
// For probes (bisections, scattered records) the file is mapped read-only when opened,
// so one record costs a copy from memory instead of a system call; the mapping is kept
// for the next call while the name still leads to the same file of the same size
// (dict/KeptMappings.h). For a pass over
// every record in order, it is read ahead in blocks instead, as a buffered file is:
// a fresh mapping of a large file would cost more in page faults than the pass itself.
// The length is taken once, at opening: a file replaced (renamed over) while a call
// runs is seen as it was when the call opened it; a file shortened in place reads as
// zero bytes past its new end instead of faulting.
//
// When the in-memory dictionaries are on (dict/MemoryDictionaries.h: fuzz targets,
// tests) the name is looked up there instead, with the same missing-file rule.
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "dict/DexStamp.h"

struct KeptMapping;
struct MemoryDictionary;

// How a call will read the file: a few records anywhere, or every record in order.
enum class DexAccess { Probes, Pass };

// What a file that cannot be opened does: end the program (every reader), or leave the
// object closed, reading as an empty file (a look ahead that must not end anything).
enum class DexIfMissing { EndProgram, StayClosed };

class CDexFile {
 public:
  // Opens the file, or ends the program with status 1 (EndForMissingDictionary).
  explicit CDexFile(const char* fileName, DexAccess access = DexAccess::Probes,
                    DexIfMissing ifMissing = DexIfMissing::EndProgram);
  ~CDexFile();
  CDexFile(const CDexFile&) = delete;
  CDexFile& operator=(const CDexFile&) = delete;

  // Stream position in bytes, as seek and tell of a buffered file.
  void Seek(long offset);
  void SeekToEnd();
  long Tell() const;

  // Copies up to size bytes from the position and advances it; bytes past the end of
  // the file are filled with zeros. Returns the number of file bytes copied.
  std::size_t Read(void* buffer, std::size_t size);

  // One seek and one read: record `index` of records of `recordSize` bytes.
  void ReadRecord(long index, std::size_t recordSize, unsigned char* buffer);

  long Size() const { return m_nSize; }
  // False only for a file that could not be opened with DexIfMissing::StayClosed.
  bool IsOpen() const { return m_bOpen; }

  // What identifies the content opened (DexStamp.h), for indexes kept between calls.
  const DexStamp& Stamp() const { return m_stamp; }

 private:
  // Each returns false, leaving nothing open, when the name leads to no dictionary.
  bool OpenFile(const char* fileName, DexAccess access);
  bool OpenMemory(const char* fileName);
  // Copies size bytes at the position from the read-ahead block, refilling it as needed.
  void ReadAhead(unsigned char* buffer, std::size_t size);

  const unsigned char* m_pData = nullptr;  // the mapping (probes) or the memory buffer
  std::shared_ptr<const KeptMapping> m_pMapping;      // the mapping, when probing a file
  std::shared_ptr<const MemoryDictionary> m_pMemory;  // the buffer, when in memory
  int m_fd = -1;                           // the open file (pass)
  std::string m_block;                     // read-ahead block (pass)
  long m_nBlockStart = 0;
  long m_nBlockLength = 0;
  long m_nSize = 0;
  long m_nPosition = 0;
  DexStamp m_stamp;
  bool m_bOpen = false;
};
