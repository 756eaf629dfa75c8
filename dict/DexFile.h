// An open dictionary file, read record by record. Opened by bare name from the current
// directory for the length of one call, and closed when the object goes out of scope.
// Every reader of every dictionary goes through this class.
//
// The file is mapped read-only when opened, so one record costs a copy from memory
// instead of a system call. The length is taken once, at opening: a file replaced
// (renamed over) while a call runs is seen as it was when the call opened it; a file
// shortened in place reads as zero bytes past its new end instead of faulting.
#pragma once
#include <cstddef>
#include <string>

class CDexFile {
 public:
  // Opens the file, or ends the program with status 1 (EndForMissingDictionary).
  explicit CDexFile(const char* fileName);
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

 private:
  const unsigned char* m_pData = nullptr;
  long m_nSize = 0;
  long m_nPosition = 0;
};
