#include "tools/dexc/Dump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Cp949.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"

namespace {

constexpr char kFieldSeparator = '\t';

// UTF-8 text of a stored field, with control characters written as \xNN.
std::string Shown(const std::string& cp949) {
  std::string utf8 = Cp949ToUtf8(cp949);
  std::string shown;
  for (char c : utf8) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", b);
      shown += escape;
    } else {
      shown.push_back(c);
    }
  }
  return shown;
}

std::size_t RecordSize(DexKind kind) {
  switch (kind) {
    case DexKind::kLexicon: return kLexiconRecordSize;
    case DexKind::kRules: return kRuleRecordSize;
    case DexKind::kPatterns: return kPatternRecordSize;
    case DexKind::kParticles: return kParticleRecordSize;
  }
  return kLexiconRecordSize;
}

void DumpRecord(DexKind kind, const unsigned char* bytes, std::ostream& out) {
  switch (kind) {
    case DexKind::kLexicon: {
      LexiconRecord r = DecodeLexicon(bytes);
      out << Shown(r.strKey) << kFieldSeparator << Shown(r.strPhrase) << kFieldSeparator
          << Shown(r.strTranslation) << kFieldSeparator << Shown(r.strNote);
      break;
    }
    case DexKind::kRules:
      out << Shown(DecodeRule(bytes).strText);
      break;
    case DexKind::kPatterns: {
      PatternRecord r = DecodePattern(bytes);
      out << Shown(r.strKeyList) << kFieldSeparator << Shown(r.strTemplate);
      break;
    }
    case DexKind::kParticles: {
      ParticleRecord r = DecodeParticle(bytes);
      out << Shown(r.szPattern) << kFieldSeparator << Shown(r.szReplacement);
      break;
    }
  }
  out << '\n';
}

}  // namespace

void DumpRecords(DexKind kind, std::string_view bytes, std::ostream& out) {
  std::size_t size = RecordSize(kind);
  for (std::size_t offset = 0; offset + size <= bytes.size(); offset += size)
    DumpRecord(kind, reinterpret_cast<const unsigned char*>(bytes.data() + offset), out);
}

int DumpFile(const std::string& file, DexKind kind, std::ostream& out, std::ostream& err) {
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) {
    err << "dexc: cannot read " << file << ": it is a directory\n";
    return 1;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    err << "dexc: cannot read " << file << ": " << std::strerror(errno) << '\n';
    return 1;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    err << "dexc: cannot read " << file << '\n';
    return 1;
  }
  DumpRecords(kind, bytes, out);
  return 0;
}
