// The capacity dictionaries keep the promises the benchmarks rely on: files in the
// order the readers need, the sample composition complete in both directions, the
// first candidate list at 8000 lines from 100 runs, and the same bytes on every run.
// Rules, patterns and particles are fewer than at full size, to keep the test quick;
// the lexicon is at full size, since the list sizes depend on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"
#include "bench/CapacityDictionaries.h"
#include "dict/Capacities.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "engine/SentenceBuilder.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"

namespace {

CapacityOptions SmallOptions() {
  CapacityOptions options;
  options.nParticles = 3000;
  options.nRules = 600;
  options.nPatterns = 4000;
  return options;
}

template <typename Record, typename Decode>
std::vector<Record> ReadAll(const std::string& file, std::size_t size, Decode decode) {
  std::string bytes = ReadBytes(file);
  std::vector<Record> records;
  for (std::size_t at = 0; at + size <= bytes.size(); at += size)
    records.push_back(decode(reinterpret_cast<const unsigned char*>(bytes.data()) + at));
  return records;
}

class CapacityDictionariesTest : public ::testing::Test {
 protected:
  void SetUp() override { m_world = WriteCapacityDictionaries(m_dir.Path(), SmallOptions()); }
  ScratchDir m_dir;
  CapacityWorld m_world;
};

TEST_F(CapacityDictionariesTest, FilesHoldTheirRecordsInReaderOrder) {
  const CapacityOptions o = SmallOptions();
  EXPECT_EQ(ReadBytes(kTosi).size(), o.nParticles * kParticleRecordSize);
  auto particles = ReadAll<ParticleRecord>(kTosi, kParticleRecordSize, DecodeParticle);
  for (std::size_t i = 1; i < particles.size(); ++i)
    ASSERT_LE(particles[i - 1].szPattern, particles[i].szPattern) << "particle " << i;

  for (const char* file : {kChangeKor, kChangeEng}) {
    auto patterns = ReadAll<PatternRecord>(file, kPatternRecordSize, DecodePattern);
    ASSERT_EQ(patterns.size(), static_cast<std::size_t>(o.nPatterns)) << file;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
      ASSERT_LT(patterns[i].strKeyList.size(), kPatKeyListWidth) << file << " " << i;
      if (i > 0) {
        ASSERT_LT(patterns[i - 1].strKeyList, patterns[i].strKeyList) << file << " " << i;
      }
    }
  }
  for (const char* file : {kMainKor, kMainEng}) {
    auto lexicon = ReadAll<LexiconRecord>(file, kLexiconRecordSize, DecodeLexicon);
    ASSERT_EQ(lexicon.size(), static_cast<std::size_t>(o.nGroups * o.nGroupRecords)) << file;
    for (std::size_t i = 1; i < lexicon.size(); ++i)
      if (lexicon[i - 1].strKey == lexicon[i].strKey) {
        ASSERT_LT(lexicon[i - 1].strPhrase, lexicon[i].strPhrase) << file << " " << i;
      }
  }
  EXPECT_EQ(ReadBytes(kGuKor).size(), o.nRules * kRuleRecordSize);
  EXPECT_EQ(ReadBytes(kGuEng).size(), o.nRules * kRuleRecordSize);

  // Both indexes have room for everything: 200 groups, fewer than 200 result keys.
  auto dialog = std::make_unique<CInterpreterDlg>();
  dialog->LoadMainGroups();
  dialog->LoadGuFirstKeys();
  EXPECT_EQ(dialog->m_candidates.m_nMainKor, kMaxTableEntries - 1);
  EXPECT_EQ(dialog->m_candidates.m_nMainEng, kMaxTableEntries - 1);
  EXPECT_LT(dialog->m_candidates.m_nGuKor, kMaxTableEntries - 1);
  EXPECT_LT(dialog->m_candidates.m_nGuEng, kMaxTableEntries - 1);
}

TEST_F(CapacityDictionariesTest, SampleIsACompleteSentenceInBothDirections) {
  for (bool bKorean : {true, false}) {
    const CapacitySample& sample = bKorean ? m_world.korean : m_world.english;
    ASSERT_EQ(sample.steps.size(), 20u);
    auto builder = std::make_unique<CSentenceBuilder>();
    builder->m_bKoreanSource = bKorean ? 1 : 0;
    for (int i = 0; i < 20; ++i) {
      StepRecord& r = builder->m_steps[i];
      r.strPhrase = sample.steps[static_cast<std::size_t>(i)].strPhrase;
      r.strKey = sample.steps[static_cast<std::size_t>(i)].strKey;
      r.strTranslation = sample.steps[static_cast<std::size_t>(i)].strTranslation;
      r.nPrev = i - 1;
      r.nNext = i < 19 ? i + 1 : kChainEnd;
    }
    builder->m_nLast = 19;
    EXPECT_TRUE(builder->CheckSentence()) << (bKorean ? "Korean" : "English");
    EXPECT_EQ(builder->m_nLast, static_cast<int>(sample.groupSizes.size()) - 1);

    std::string keys =
        builder->GetContinuationKeys(sample.strContinuationTail, sample.strContinuationHead);
    EXPECT_NE(keys.find("," + sample.steps[17].strKey + ","), std::string::npos) << keys;
  }
}

TEST_F(CapacityDictionariesTest, FirstListHasEightThousandLinesFromHundredRuns) {
  auto dialog = std::make_unique<CInterpreterDlg>();
  auto host = std::make_unique<CMemoryHost>();
  host->Open(*dialog);
  EXPECT_EQ(host->ListState(IDC_CANDIDATES)->GetCount(), kMaxListLines);
  EXPECT_EQ(dialog->m_candidates.m_nCandWork, kMaxLexiconRuns);
}

TEST_F(CapacityDictionariesTest, SampleComposesThroughTheDialog) {
  auto dialog = std::make_unique<CInterpreterDlg>();
  auto host = std::make_unique<CMemoryHost>();
  host->Open(*dialog);
  for (bool bKorean : {true, false}) {
    const CapacitySample& sample = bKorean ? m_world.korean : m_world.english;
    host->Click(bKorean ? IDC_DIR_KOREAN : IDC_DIR_ENGLISH);
    for (std::size_t i = 0; i < sample.steps.size(); ++i) {
      // Enter in the search box finds the line; confirm takes it.
      host->Type(IDC_SEARCH, sample.steps[i].Line());
      host->KeyEnter(IDC_SEARCH);
      const CMemoryList* list = host->ListState(IDC_CANDIDATES);
      ASSERT_GE(list->GetCurSel(), 0) << "step " << i;
      ASSERT_EQ(list->GetText(list->GetCurSel()), sample.steps[i].Line()) << "step " << i;
      host->Click(IDC_CONFIRM);
    }
    EXPECT_TRUE(host->ButtonState(IDC_ADD_SENTENCE)->IsEnabled()) << (bKorean ? "Korean" : "English");
    host->Click(IDC_RESTART);
  }
}

TEST_F(CapacityDictionariesTest, SameBytesOnEveryRun) {
  const char* files[] = {kMainKor, kMainEng, kGuKor, kGuEng, kChangeKor, kChangeEng, kTosi};
  std::vector<std::string> first;
  for (const char* file : files) first.push_back(ReadBytes(file));
  WriteCapacityDictionaries(m_dir.Path(), SmallOptions());
  for (std::size_t i = 0; i < std::size(files); ++i)
    EXPECT_TRUE(ReadBytes(files[i]) == first[i]) << files[i];
}

}  // namespace
