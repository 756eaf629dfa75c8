#include "tools/dexc/Build.h"

#include "tools/dexc/Compile.h"
#include "tools/dexc/ListCheck.h"
#include "tools/dexc/Writer.h"

namespace {

constexpr int kStatusOk = 0;
constexpr int kStatusFailed = 1;

// Compiles and, when everything is valid, adds the warnings. False on any error.
bool Compile(const std::string& srcDir, const std::string& grammarDir, CDiagnostics& diag,
             CompiledDictionaries* compiled) {
  *compiled = CompileSources(srcDir, diag, grammarDir);
  if (diag.HasErrors()) return false;
  for (const CompiledDirection* direction : {&compiled->korean, &compiled->english}) {
    CheckKeys(*direction, diag);
    CheckListSizes(*direction, diag);
  }
  return true;
}

}  // namespace

int BuildDictionaries(const std::string& srcDir, const std::string& outDir, std::ostream& err,
                      const std::string& grammarDir) {
  CDiagnostics diag;
  CompiledDictionaries compiled;
  bool ok = Compile(srcDir, grammarDir, diag, &compiled) &&
            WriteOutputs(outDir, EncodeDictionaries(compiled), diag);
  diag.Print(err);
  return ok ? kStatusOk : kStatusFailed;
}

int CheckDictionaries(const std::string& srcDir, std::ostream& err, const std::string& grammarDir) {
  CDiagnostics diag;
  CompiledDictionaries compiled;
  bool ok = Compile(srcDir, grammarDir, diag, &compiled);
  diag.Print(err);
  return ok ? kStatusOk : kStatusFailed;
}
