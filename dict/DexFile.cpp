#include "dict/DexFile.h"

#include <fcntl.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "dict/KeptMappings.h"
#include "dict/MemoryDictionaries.h"
#include "dict/MissingDictionary.h"

namespace {

// A file shortened while it is mapped raises SIGBUS on the pages past its new end.
// Copies from the mapping run under this guard and turn that fault into zero bytes.
// volatile: the compiler knows memcpy does not read the guard and would otherwise drop
// the store that arms it before the copy.
thread_local sigjmp_buf* volatile t_copyGuard = nullptr;

void OnBusError(int signal) {
  if (t_copyGuard) siglongjmp(*t_copyGuard, 1);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void InstallBusErrorGuard() {
  static const bool installed = [] {
    struct sigaction action {};
    action.sa_handler = OnBusError;
    action.sa_flags = SA_NODEFER;  // leaving the handler by longjmp must not keep it blocked
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, nullptr);
    return true;
  }();
  (void)installed;
}

void GuardedCopy(void* to, const void* from, std::size_t size) {
  sigjmp_buf guard;
  if (sigsetjmp(guard, 0) == 0) {
    t_copyGuard = &guard;
    std::memcpy(to, from, size);
  } else {
    std::memset(to, 0, size);
  }
  t_copyGuard = nullptr;
}

}  // namespace

namespace {
constexpr std::size_t kReadAheadBytes = 64 * 1024;  // one block of a pass
}  // namespace

CDexFile::CDexFile(const char* fileName, DexAccess access, DexIfMissing ifMissing) {
  m_bOpen = MemoryDictionariesInUse() ? OpenMemory(fileName) : OpenFile(fileName, access);
  if (m_bOpen) return;
  if (ifMissing == DexIfMissing::EndProgram) EndForMissingDictionary(fileName);
  m_nSize = 0;
  m_stamp = DexStamp();
}

bool CDexFile::OpenMemory(const char* fileName) {
  m_pMemory = FindMemoryDictionary(fileName);
  if (!m_pMemory) return false;
  m_pData = reinterpret_cast<const unsigned char*>(m_pMemory->strBytes.data());
  m_nSize = static_cast<long>(m_pMemory->strBytes.size());
  m_stamp = StampOfVersion(m_pMemory->nVersion, m_nSize);
  return true;
}

bool CDexFile::OpenFile(const char* fileName, DexAccess access) {
  // Non-blocking, so that a named pipe in a dictionary's place cannot hang the open; a
  // file that is not a regular file is then refused below.
  int fd = ::open(fileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  m_nSize = static_cast<long>(info.st_size);
  m_stamp = StampOfFile(info);
  if (access == DexAccess::Pass) {
    m_fd = fd;  // the block is allocated at the first read
    return true;
  }
  if (m_nSize > 0) {
    m_pMapping = MappingOf(fileName, fd, info);
    if (!m_pMapping) {
      ::close(fd);
      return false;
    }
    m_pData = m_pMapping->pData;
    InstallBusErrorGuard();
  }
  ::close(fd);
  return true;
}

CDexFile::~CDexFile() {
  if (m_fd >= 0) ::close(m_fd);
}

void CDexFile::ReadAhead(unsigned char* buffer, std::size_t size) {
  while (size > 0) {
    long inBlock = m_nPosition - m_nBlockStart;
    if (inBlock < 0 || inBlock >= m_nBlockLength) {
      // Refill from the position; a file shortened since opening gives a short block.
      m_nBlockStart = m_nPosition;
      m_nBlockLength = 0;
      if (m_block.empty()) m_block.resize(kReadAheadBytes);
      ssize_t got;
      do {
        got = ::pread(m_fd, m_block.data(), m_block.size(), m_nBlockStart);
      } while (got < 0 && errno == EINTR);
      if (got <= 0) {
        std::memset(buffer, 0, size);
        return;
      }
      m_nBlockLength = got;
      inBlock = 0;
    }
    std::size_t take = static_cast<std::size_t>(m_nBlockLength - inBlock);
    if (take > size) take = size;
    std::memcpy(buffer, m_block.data() + inBlock, take);
    buffer += take;
    size -= take;
    m_nPosition += static_cast<long>(take);
  }
}

void CDexFile::Seek(long offset) { m_nPosition = offset < 0 ? 0 : offset; }

void CDexFile::SeekToEnd() { m_nPosition = m_nSize; }

long CDexFile::Tell() const { return m_nPosition; }

std::size_t CDexFile::Read(void* buffer, std::size_t size) {
  std::size_t available = 0;
  if (m_nPosition < m_nSize) available = static_cast<std::size_t>(m_nSize - m_nPosition);
  std::size_t copied = size < available ? size : available;
  if (copied > 0) {
    if (m_fd >= 0) {
      long start = m_nPosition;
      ReadAhead(static_cast<unsigned char*>(buffer), copied);
      m_nPosition = start;
    } else if (m_pMemory) {
      std::memcpy(buffer, m_pData + m_nPosition, copied);
    } else {
      GuardedCopy(buffer, m_pData + m_nPosition, copied);
    }
  }
  if (copied < size) std::memset(static_cast<unsigned char*>(buffer) + copied, 0, size - copied);
  m_nPosition += static_cast<long>(copied);
  return copied;
}

void CDexFile::ReadRecord(long index, std::size_t recordSize, unsigned char* buffer) {
  Seek(index * static_cast<long>(recordSize));
  Read(buffer, recordSize);
}
