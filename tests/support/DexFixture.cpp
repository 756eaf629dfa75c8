#include "tests/support/DexFixture.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Cp949.h"

namespace fs = std::filesystem;

std::string K(const std::string& utf8) { return Utf8ToCp949(utf8); }
std::string U(const std::string& cp949) { return Cp949ToUtf8(cp949); }

ScratchDir::ScratchDir() {
  m_previous = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "daolsae-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  if (!made) std::abort();
  m_path = made;
  fs::current_path(m_path);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::current_path(m_previous, ignored);
  fs::remove_all(m_path, ignored);
}

namespace {
template <typename Bytes>
void Append(std::ofstream& out, const Bytes& bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

void WriteLexicon(const std::string& file, const std::vector<LexiconRecord>& records) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const auto& r : records) Append(out, EncodeLexicon(r));
}

void WriteRules(const std::string& file, const std::vector<std::string>& texts) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const auto& t : texts) Append(out, EncodeRule({t}));
}

void WritePatterns(const std::string& file, const std::vector<PatternRecord>& records) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const auto& r : records) Append(out, EncodePattern(r));
}

void WriteParticles(const std::string& file, const std::vector<ParticleRecord>& records) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const auto& r : records) Append(out, EncodeParticle(r));
}

void WriteBytes(const std::string& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Truncate(const std::string& file, long length) {
  fs::resize_file(file, static_cast<std::uintmax_t>(length));
}

void FlipByte(const std::string& file, long offset, unsigned char mask) {
  std::string bytes = ReadBytes(file);
  bytes.at(static_cast<std::size_t>(offset)) ^= static_cast<char>(mask);
  WriteBytes(file, bytes);
}

void RemoveFile(const std::string& file) { fs::remove(file); }

void WriteEmptyDictionaries() {
  for (const char* name : {"main.dex", "ekmain.dex", "gu.dex", "ekgu.dex", "change.dex",
                           "ekchange.dex", "tosi.dex"})
    if (!fs::exists(name)) WriteBytes(name, "");
}
