#include "tools/lint/TargetFit.h"

#include <algorithm>

#include "base/Cp949.h"
#include "dict/KeyVocabulary.h"
#include "engine/PhraseJoin.h"
#include "particles/ParticleCorrector.h"
#include "tools/lint/ShownText.h"

namespace {

constexpr char kParticleSlotLead = '(';  // a phrase the dialog corrects as soon as it is taken
constexpr char kSeparator = ';';         // between a line's phrase, translation and note

}  // namespace

CCorrections::CCorrections() : m_pCorrector(std::make_unique<CParticleCorrector>()) {}

CCorrections::~CCorrections() = default;

const std::string& CCorrections::Corrected(const std::string& text) {
  auto [it, added] = m_corrected.try_emplace(text, text);
  if (added) m_pCorrector->Correct(it->second);
  return it->second;
}

CTargetFit::CTargetFit(const std::string& sentence, bool koreanSource, CCorrections& corrections)
    : m_strTarget(NormaliseShown(sentence)),
      m_bKoreanSource(koreanSource),
      m_corrections(corrections) {}

// A Korean box may hold a particle pair that only the finished sentence corrects: it is
// also compared corrected, as the dialog corrects a finished sentence (a blank in front).
std::optional<std::size_t> CTargetFit::Fits(const std::string& shown) {
  std::string normalised = NormaliseShown(shown);
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  if (!m_bKoreanSource || shown.find(kParticleSlotLead) == std::string::npos) return std::nullopt;
  normalised = NormaliseShown(m_corrections.Corrected(" " + shown));
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  return std::nullopt;
}

std::string CTargetFit::Predict(const std::string& shown, const std::string& phrase) {
  std::string box = shown;
  ::AppendPhrase(box, phrase);
  if (!phrase.empty() && phrase[0] == kParticleSlotLead) return m_corrections.Corrected(box);
  return box;
}

std::size_t CTargetFit::Agreement(const std::string& shown) const {
  const std::string normalised = NormaliseShown(shown);
  std::size_t at = 0;
  while (at < normalised.size() && at < m_strTarget.size()) {
    const std::size_t length = Cp949UnitLength(normalised, at);
    if (at + length > m_strTarget.size() ||
        normalised.compare(at, length, m_strTarget, at, length) != 0)
      break;
    at += length;
  }
  return at;
}

std::size_t CTargetFit::NextWordAt(std::size_t reach) const {
  return std::min(m_strTarget.find_first_not_of(' ', reach), m_strTarget.size());
}

std::size_t MarkerLength(const std::string& text) {
  if (text.size() >= 2 && IsCp949LeadByte(static_cast<unsigned char>(text[0])) &&
      IsCp949TrailByte(static_cast<unsigned char>(text[1])))
    return 2;
  return text.empty() ? 0 : 1;
}

std::string LinePhrase(const std::string& text, const std::string& key) {
  if (IsFreeInputKey(key)) return text.substr(MarkerLength(text));
  return text.substr(0, text.find(kSeparator));
}
