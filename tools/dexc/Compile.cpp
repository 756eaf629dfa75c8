#include "tools/dexc/Compile.h"

#include <algorithm>
#include <filesystem>

#include "tools/dexc/DexKinds.h"
#include "tools/dexc/Particles.h"
#include "tools/dexc/Source.h"

namespace {

constexpr std::string_view kSourceExtension = ".txt";
constexpr std::string_view kBuildFile = "CMakeLists.txt";

std::vector<SourceLine> ReadAll(const std::vector<std::string>& files, CDiagnostics& diag) {
  std::vector<SourceLine> lines;
  for (const std::string& file : files) {
    std::vector<SourceLine> more = ReadSourceFile(file, diag);
    lines.insert(lines.end(), std::make_move_iterator(more.begin()),
                 std::make_move_iterator(more.end()));
  }
  return lines;
}

// Warns about *.txt files directly in srcDir that no dictionary reads (a misspelt name).
void WarnAboutStrayFiles(const std::string& srcDir, CDiagnostics& diag) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  std::vector<std::string> stray;
  for (const fs::directory_entry& entry : fs::directory_iterator(srcDir, ignored)) {
    std::string fileName = entry.path().filename().string();
    if (entry.path().extension() != kSourceExtension || fileName == kBuildFile) continue;
    DexKind kind;
    if (!KindOfFileName(entry.path().stem().string(), &kind)) stray.push_back(fileName);
  }
  std::sort(stray.begin(), stray.end());
  for (const std::string& fileName : stray)
    diag.FileWarning((fs::path(srcDir) / fileName).string(),
                     "no dictionary has this name, so the file is not read; the names are "
                     "main, ekmain, gu, ekgu, change, ekchange and tosi");
}

template <typename Bytes>
void Append(std::string* out, const Bytes& bytes) {
  out->append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

CompiledDictionaries CompileSources(const std::string& srcDir, CDiagnostics& diag) {
  CompiledDictionaries compiled;
  std::error_code ignored;
  if (!std::filesystem::is_directory(srcDir, ignored)) {
    diag.FileError(srcDir, "no such directory");
    return compiled;
  }
  WarnAboutStrayFiles(srcDir, diag);

  const DictionaryName* names = Dictionaries();
  for (int i = 0; i < kDictionaryCount; ++i) {
    const std::string& name = names[i].strName;
    CompiledDirection& direction = names[i].bKoreanSource ? compiled.korean : compiled.english;
    std::vector<std::string> files = SourceFilesOf(srcDir, name);
    std::vector<SourceLine> lines = ReadAll(files, diag);
    switch (names[i].kind) {
      case DexKind::kLexicon:
        direction.strLexiconName = name;
        direction.lexicon = CompileLexicon(lines, diag);
        break;
      case DexKind::kRules:
        direction.strRulesName = name;
        direction.rules = CompileRules(lines, diag);
        break;
      case DexKind::kPatterns:
        direction.strPatternsName = name;
        direction.patterns = CompilePatterns(lines, diag);
        break;
      case DexKind::kParticles:
        compiled.particles = CompileParticles(lines, diag);
        break;
    }
  }
  return compiled;
}

std::vector<std::pair<std::string, std::string>> EncodeDictionaries(
    const CompiledDictionaries& compiled) {
  std::vector<std::pair<std::string, std::string>> files;
  const DictionaryName* names = Dictionaries();
  for (int i = 0; i < kDictionaryCount; ++i) {
    const std::string& name = names[i].strName;
    const CompiledDirection& direction =
        names[i].bKoreanSource ? compiled.korean : compiled.english;
    std::string bytes;
    switch (names[i].kind) {
      case DexKind::kLexicon:
        for (const LexiconRecord& record : LexiconRecords(direction.lexicon))
          Append(&bytes, EncodeLexicon(record));
        break;
      case DexKind::kRules:
        for (const CompiledRule& rule : direction.rules) Append(&bytes, EncodeRule(rule.record));
        break;
      case DexKind::kPatterns:
        for (const CompiledPattern& pattern : direction.patterns)
          Append(&bytes, EncodePattern(pattern.record));
        break;
      case DexKind::kParticles:
        for (const ParticleRecord& record : compiled.particles)
          Append(&bytes, EncodeParticle(record));
        break;
    }
    files.emplace_back(name + ".dex", std::move(bytes));
  }
  return files;
}
