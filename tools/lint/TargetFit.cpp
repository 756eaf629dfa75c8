#include "tools/lint/TargetFit.h"

#include <algorithm>
#include <utility>

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

CTargetFit::CTargetFit(const std::string& sentence, bool koreanSource, CCorrections& corrections,
                       std::vector<std::string> particlePhrases)
    : m_strTarget(NormaliseShown(sentence)),
      m_bKoreanSource(koreanSource),
      m_corrections(corrections),
      m_particlePhrases(std::move(particlePhrases)) {}

std::optional<std::size_t> CTargetFit::Fits(const std::string& shown) {
  if (const std::optional<std::size_t> reach = FitsAsShown(shown)) return reach;
  return FitsOnceAParticleFollows(shown);
}

// A Korean box may hold a particle pair that only the finished sentence corrects: it is
// also compared corrected, as the dialog corrects a finished sentence (a blank in front).
std::optional<std::size_t> CTargetFit::FitsAsShown(const std::string& shown) {
  std::string normalised = NormaliseShown(shown);
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  if (!m_bKoreanSource || shown.find(kParticleSlotLead) == std::string::npos) return std::nullopt;
  normalised = NormaliseShown(m_corrections.Corrected(" " + shown));
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  return std::nullopt;
}

// The corrections that change a word itself (저 and 이(가) are 제가, 누구 and 이(가) are
// 누가) are made for short words, so only a last word of one or two characters is tried,
// and each word once per place in the sentence.
std::optional<std::size_t> CTargetFit::FitsOnceAParticleFollows(const std::string& shown) {
  constexpr std::size_t kLongestChangedWord = 4;  // bytes: two double-byte characters
  if (!m_bKoreanSource || m_particlePhrases.empty()) return std::nullopt;
  const std::string normalised = NormaliseShown(shown);
  const std::size_t blank = normalised.rfind(' ');
  const std::size_t word = blank == std::string::npos ? 0 : blank + 1;
  const std::string last = normalised.substr(word);
  if (last.empty() || last.size() > kLongestChangedWord || last.find('(') != std::string::npos)
    return std::nullopt;
  if (!BeginsTarget(std::string_view(normalised).substr(0, word), m_strTarget))
    return std::nullopt;
  const std::string cacheKey = std::to_string(word) + ' ' + last;
  auto [known, added] = m_changedWords.try_emplace(cacheKey, false);
  if (added) {
    for (const std::string& particle : m_particlePhrases) {
      const std::string changed = NormaliseShown(m_corrections.Corrected(" " + last + particle));
      if (changed.empty() || changed.compare(0, last.size(), last) == 0) continue;
      if (m_strTarget.compare(word, changed.size(), changed) == 0) {
        known->second = true;
        break;
      }
    }
  }
  if (!known->second) return std::nullopt;
  return word;
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
