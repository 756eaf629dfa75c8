#include "tools/dexc/Compile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <regex>

#include "tools/dexc/DexKinds.h"
#include "tools/dexc/EnglishTables.h"
#include "tools/dexc/HonorificEndings.h"
#include "tools/dexc/Paradigms.h"
#include "tools/dexc/Particles.h"
#include "tools/dexc/Source.h"

namespace {

constexpr std::string_view kSourceExtension = ".txt";
constexpr std::string_view kBuildFile = "CMakeLists.txt";
constexpr const char* kGrammarFolder = "grammar";

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

// A fault of a grammar table, given as "file:line: message" or "file: message".
void ReportTableError(const std::string& error, CDiagnostics& diag) {
  static const std::regex withLine("^(.*):([0-9]+): (.*)$");
  static const std::regex withoutLine("^(.*?): (.*)$");
  std::smatch match;
  if (std::regex_match(error, match, withLine))
    diag.Error({match[1].str(), std::stoi(match[2].str())}, match[3].str());
  else if (std::regex_match(error, match, withoutLine))
    diag.FileError(match[1].str(), match[2].str());
  else
    diag.FileError("", error);
}

// The grammar tables of grammarDir, or none when the folder does not exist (sources
// without paradigms need none). Faults in the tables are errors of their files.
std::optional<EnglishTables> LoadGrammar(const std::string& grammarDir, CDiagnostics& diag) {
  std::error_code ignored;
  if (!std::filesystem::is_directory(grammarDir, ignored)) return std::nullopt;
  EnglishTables tables;
  std::vector<std::string> errors;
  if (!LoadEnglishTables(grammarDir, &tables, &errors))
    for (const std::string& error : errors) ReportTableError(error, diag);
  return tables;
}

}  // namespace

std::string DefaultGrammarDir(const std::string& srcDir) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::path inside = fs::path(srcDir) / kGrammarFolder;
  if (fs::is_directory(inside, ignored)) return inside.string();
  return (fs::path(srcDir) / ".." / kGrammarFolder).lexically_normal().string();
}

CompiledDictionaries CompileSources(const std::string& srcDir, CDiagnostics& diag,
                                    const std::string& grammarDir) {
  CompiledDictionaries compiled;
  std::error_code ignored;
  if (!std::filesystem::is_directory(srcDir, ignored)) {
    diag.FileError(srcDir, "no such directory");
    return compiled;
  }
  WarnAboutStrayFiles(srcDir, diag);
  const std::string grammar = grammarDir.empty() ? DefaultGrammarDir(srcDir) : grammarDir;
  std::optional<EnglishTables> tables = LoadGrammar(grammar, diag);

  // The Korean words of the English-to-Korean lexicon, whose honorific endings the
  // particle dictionary derives (it is compiled after the lexicons).
  std::vector<FormsWord> koreanTranslations;
  for (const DictionaryName& dictionary : Dictionaries()) {
    const KindSteps& steps = StepsFor(dictionary.kind);
    CompiledDirection& direction = dictionary.bKoreanSource ? compiled.korean : compiled.english;
    if (steps.name) direction.*steps.name = dictionary.strName;
    std::vector<SourceLine> lines = ReadAll(SourceFilesOf(srcDir, dictionary.strName), diag);
    if (dictionary.kind == DexKind::kLexicon)
      lines = ExpandParadigms(lines, dictionary.bKoreanSource, tables ? &*tables : nullptr, grammar,
                              diag, dictionary.bKoreanSource ? nullptr : &koreanTranslations);
    if (dictionary.kind == DexKind::kParticles)
      lines = ExpandHonorificEndings(lines, koreanTranslations, diag);
    steps.compile(lines, diag, direction, compiled);
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
