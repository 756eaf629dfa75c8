// How the sentence box stands against the sentence being composed, for the phrasebook
// composer (tools/lint/Composer.h) and its break report (tools/lint/BreakPoint.h): how
// much of the sentence a box shows when it begins it, what the box becomes when the
// dialog appends a phrase, and how far any box agrees with the sentence. Compared as
// tools/lint/ShownText.h says; a Korean box is also compared with its particle pairs
// corrected, as the finished sentence will show them. Texts are code page 949.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CParticleCorrector;

// The particle corrector of the dictionaries in the current directory, with every text
// it corrected remembered (the search asks for the same boxes again and again).
class CCorrections {
 public:
  CCorrections();
  ~CCorrections();
  CCorrections(const CCorrections&) = delete;
  CCorrections& operator=(const CCorrections&) = delete;

  const std::string& Corrected(const std::string& text);

 private:
  std::unique_ptr<CParticleCorrector> m_pCorrector;
  std::unordered_map<std::string, std::string> m_corrected;
};

class CTargetFit {
 public:
  // particlePhrases: the particle pairs a free slot may add ("(이(가))"), which can still
  // change the word before them (저 and 이(가) are 제가).
  CTargetFit(const std::string& sentence, bool koreanSource, CCorrections& corrections,
             std::vector<std::string> particlePhrases = {});

  const std::string& Target() const { return m_strTarget; }  // the sentence, normalised

  // Bytes of the sentence the box shows, when it begins the sentence. A Korean box whose
  // last word a following particle pair turns into the sentence's word also fits, up to
  // that word.
  std::optional<std::size_t> Fits(const std::string& shown);
  // The box after the dialog appends `phrase` to the unfinished sentence `shown`.
  std::string Predict(const std::string& shown, const std::string& phrase);
  // Bytes of whole characters at the start of the box that agree with the sentence.
  std::size_t Agreement(const std::string& shown) const;
  // Where the sentence's next word begins after `reach` bytes: a blank alone is no progress.
  std::size_t NextWordAt(std::size_t reach) const;

 private:
  std::optional<std::size_t> FitsAsShown(const std::string& shown);
  std::optional<std::size_t> FitsOnceAParticleFollows(const std::string& shown);

  std::string m_strTarget;
  bool m_bKoreanSource;
  CCorrections& m_corrections;
  std::vector<std::string> m_particlePhrases;
  std::unordered_map<std::string, bool> m_changedWords;  // by word and place in the sentence
};

// The phrase a list line puts into the sentence: a free-slot line's word (the line
// without its marker character), or a lexicon line's text before the first ";".
std::string LinePhrase(const std::string& text, const std::string& key);
// Bytes of a line's first character, the marker the dialog drops from a free-slot line.
std::size_t MarkerLength(const std::string& text);
