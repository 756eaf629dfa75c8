#include "tools/dexc/Particles.h"

#include <algorithm>

#include "dict/RecordLayout.h"
#include "tools/dexc/CharacterClasses.h"
#include "tools/dexc/FieldChecks.h"
#include "tools/dexc/SharedFields.h"

namespace {

constexpr LineForm kParticleLine = {"a particle entry", "\"pattern | replacement\"", 2};

// One source line, checked and converted: the texts around the class token.
struct ParticleLine {
  ParticleClass kind = ParticleClass::kNone;
  std::vector<std::string> patternPieces;      // before and after the token (or the whole)
  std::vector<std::string> replacementPieces;  // the texts between the tokens
};

// Reports unknown tokens of the field; false when there is one.
bool CheckKnownTokens(CDiagnostics& diag, const SourceLocation& where, const std::string& field,
                      const std::vector<ClassToken>& tokens) {
  bool ok = true;
  for (const ClassToken& token : tokens) {
    if (token.kind != ParticleClass::kNone) continue;
    diag.Error(where, "the " + field + " holds " + token.strText + ", which is no class; the "
                          "classes are " + ClassTokenList());
    ok = false;
  }
  return ok;
}

// Converts the pieces of text between the tokens; false on a conversion fault.
bool ConvertPieces(CDiagnostics& diag, const SourceLocation& where, const std::string& field,
                   const std::string& text, const std::vector<ClassToken>& tokens,
                   std::vector<std::string>* pieces, std::size_t* bytes) {
  std::size_t start = 0;
  *bytes = 0;
  for (std::size_t i = 0; i <= tokens.size(); ++i) {
    std::size_t end = i < tokens.size() ? tokens[i].nOffset : text.size();
    std::string piece;
    if (!ConvertField(diag, where, field, text.substr(start, end - start), &piece)) return false;
    *bytes += piece.size();
    pieces->push_back(piece);
    if (i < tokens.size()) start = tokens[i].nOffset + tokens[i].nLength;
  }
  return true;
}

// Checks and converts a line of the right form into *out.
bool CompileLine(const SourceLine& line, CDiagnostics& diag, ParticleLine* out) {
  const SourceLocation& where = line.where;
  const std::vector<std::string>& f = line.fields;
  const std::string& pattern = f[0];
  const std::string& replacement = f[1];
  if (pattern.empty()) {
    diag.Error(where, "the pattern is empty");
    return false;
  }
  std::vector<ClassToken> patternTokens = FindClassTokens(pattern);
  std::vector<ClassToken> replacementTokens = FindClassTokens(replacement);
  bool ok = CheckKnownTokens(diag, where, "pattern", patternTokens);
  ok &= CheckKnownTokens(diag, where, "replacement", replacementTokens);
  if (!ok) return false;

  if (patternTokens.size() > 1) {
    diag.Error(where, "the pattern holds two classes, " + patternTokens[0].strText + " and " +
                          patternTokens[1].strText + "; a pattern may hold one class only");
    return false;
  }
  out->kind = patternTokens.empty() ? ParticleClass::kNone : patternTokens[0].kind;
  for (const ClassToken& token : replacementTokens) {
    if (token.kind == out->kind) continue;
    diag.Error(where, "the replacement uses " + token.strText + ", which is not in the pattern");
    ok = false;
  }
  if (!ok) return false;

  std::size_t patternBytes = 0, replacementBytes = 0;
  ok &= ConvertPieces(diag, where, "pattern", pattern, patternTokens, &out->patternPieces,
                      &patternBytes);
  ok &= ConvertPieces(diag, where, "replacement", replacement, replacementTokens,
                      &out->replacementPieces, &replacementBytes);
  if (!ok) return false;
  std::size_t width = ClassMemberWidth(out->kind);
  ok &= CheckWidth(diag, where, "pattern", patternBytes + patternTokens.size() * width,
                   kPartPatternWidth);
  ok &= CheckWidth(diag, where, "replacement",
                   replacementBytes + replacementTokens.size() * width, kPartReplacementWidth);
  return ok;
}

std::string Join(const std::vector<std::string>& pieces, const std::string& between) {
  std::string text = pieces[0];
  for (std::size_t i = 1; i < pieces.size(); ++i) text += between + pieces[i];
  return text;
}

}  // namespace

std::vector<ParticleRecord> CompileParticles(const std::vector<SourceLine>& lines,
                                             CDiagnostics& diag) {
  std::vector<ParticleRecord> records;
  for (const SourceLine& line : lines) {
    ParticleLine compiled;
    if (!HasLineForm(diag, line, kParticleLine) || !CompileLine(line, diag, &compiled)) continue;
    if (compiled.kind == ParticleClass::kNone) {
      records.push_back({compiled.patternPieces[0], Join(compiled.replacementPieces, "")});
      continue;
    }
    for (const std::string& member : ClassMembers(compiled.kind))
      records.push_back({Join(compiled.patternPieces, member),
                         Join(compiled.replacementPieces, member)});
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const ParticleRecord& a, const ParticleRecord& b) {
                     return a.szPattern < b.szPattern;
                   });
  return records;
}
