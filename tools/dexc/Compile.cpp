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
                     "no dictionary has this name, so the file is not read; the names are " +
                         DictionaryNameList(""));
}

// The bytes of a file: every record encoded, in order.
template <typename Records, typename Encode>
std::string EncodeAll(const Records& records, Encode encode) {
  std::string bytes;
  for (const auto& record : records) {
    const auto encoded = encode(record);
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  }
  return bytes;
}

// How one kind of dictionary is compiled: the name of its direction that it fills in
// (none for the particles, which belong to no direction), the step that compiles its
// source lines and the step that encodes the compiled records as the file's bytes.
struct KindSteps {
  DexKind kind;
  std::string CompiledDirection::*name;
  void (*compile)(const std::vector<SourceLine>& lines, CDiagnostics& diag,
                  CompiledDirection& direction, CompiledDictionaries& compiled);
  std::string (*encode)(const CompiledDirection& direction, const CompiledDictionaries& compiled);
};

constexpr KindSteps kKindSteps[] = {
    {DexKind::kLexicon, &CompiledDirection::strLexiconName,
     [](const std::vector<SourceLine>& lines, CDiagnostics& diag, CompiledDirection& direction,
        CompiledDictionaries&) { direction.lexicon = CompileLexicon(lines, diag); },
     [](const CompiledDirection& direction, const CompiledDictionaries&) {
       return EncodeAll(LexiconRecords(direction.lexicon), EncodeLexicon);
     }},
    {DexKind::kRules, &CompiledDirection::strRulesName,
     [](const std::vector<SourceLine>& lines, CDiagnostics& diag, CompiledDirection& direction,
        CompiledDictionaries&) { direction.rules = CompileRules(lines, diag); },
     [](const CompiledDirection& direction, const CompiledDictionaries&) {
       return EncodeAll(direction.rules,
                        [](const CompiledRule& rule) { return EncodeRule(rule.record); });
     }},
    {DexKind::kPatterns, &CompiledDirection::strPatternsName,
     [](const std::vector<SourceLine>& lines, CDiagnostics& diag, CompiledDirection& direction,
        CompiledDictionaries&) { direction.patterns = CompilePatterns(lines, diag); },
     [](const CompiledDirection& direction, const CompiledDictionaries&) {
       return EncodeAll(direction.patterns, [](const CompiledPattern& pattern) {
         return EncodePattern(pattern.record);
       });
     }},
    {DexKind::kParticles, nullptr,
     [](const std::vector<SourceLine>& lines, CDiagnostics& diag, CompiledDirection&,
        CompiledDictionaries& compiled) { compiled.particles = CompileParticles(lines, diag); },
     [](const CompiledDirection&, const CompiledDictionaries& compiled) {
       return EncodeAll(compiled.particles, EncodeParticle);
     }},
};

const KindSteps& StepsFor(DexKind kind) {
  for (const KindSteps& steps : kKindSteps)
    if (steps.kind == kind) return steps;
  return kKindSteps[0];  // every kind has its row
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

  for (const DictionaryName& dictionary : Dictionaries()) {
    const KindSteps& steps = StepsFor(dictionary.kind);
    CompiledDirection& direction = dictionary.bKoreanSource ? compiled.korean : compiled.english;
    if (steps.name) direction.*steps.name = dictionary.strName;
    steps.compile(ReadAll(SourceFilesOf(srcDir, dictionary.strName), diag), diag, direction,
                  compiled);
  }
  return compiled;
}

std::vector<std::pair<std::string, std::string>> EncodeDictionaries(
    const CompiledDictionaries& compiled) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const DictionaryName& dictionary : Dictionaries()) {
    const CompiledDirection& direction =
        dictionary.bKoreanSource ? compiled.korean : compiled.english;
    files.emplace_back(dictionary.strName + ".dex",
                       StepsFor(dictionary.kind).encode(direction, compiled));
  }
  return files;
}
