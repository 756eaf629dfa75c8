// The forms report and the expected-forms check, and the expected-forms table itself:
// testdata/forms.txt is the grammar-book table of both languages that the conjugator and
// the inflector must reproduce.
#include "tools/dexc/FormsReport.h"

#include <gtest/gtest.h>

#include "tools/dexc/MorphTestData.h"

namespace {

class FormsReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> errors;
    ASSERT_TRUE(LoadEnglishTables(MorphSourcePath("data/grammar"), &m_tables, &errors))
        << (errors.empty() ? "" : errors.front());
  }

  std::string Report(const std::string& wordText) {
    std::string error;
    std::optional<FormsWord> word = ParseFormsWord(wordText, &error);
    if (!word) return "error: " + error;
    return FormsReport(*word, m_tables);
  }

  EnglishTables m_tables;
};

}  // namespace

TEST_F(FormsReportTest, ExpectedFormsTable) {
  const std::string path = "tools/dexc/testdata/forms.txt";
  std::string text = ReadMorphFile(path);
  ASSERT_FALSE(text.empty()) << "cannot read " << MorphSourcePath(path);
  for (const std::string& problem : CheckForms(text, path, m_tables)) ADD_FAILURE() << problem;
}

TEST_F(FormsReportTest, CheckerReportsEachKindOfProblem) {
  const std::string text =
      "# comment\n"
      "가다 | past | 갔어요\n"
      "가다 | past | 가았어요\n"
      "크다 adj | want | 크고 싶어요\n"
      "크다 adj | modifier | -\n"
      "가다 | pats | 갔어요\n"
      "가다 x | past | 갔어요\n"
      "가다 d | past | 갔어요\n"
      "가다 | past\n"
      " | past | 갔어요\n"
      "go | past | goed\n"
      "go | plural | goes\n"
      "go past= | past | went\n"
      "SIM card noun article=one | with a/an | a SIM card\n";
  EXPECT_EQ(CheckForms(text, "f.txt", m_tables),
            (std::vector<std::string>{
                "f.txt:3: 가다 | past: expected 가았어요, got 갔어요",
                "f.txt:4: 크다 adj | want: expected 크고 싶어요, got no form",
                "f.txt:5: 크다 adj | modifier: expected no form, got 큰",
                "f.txt:6: unknown form name 'pats'",
                "f.txt:7: unknown word class 'x': expected one of d, b, s, reu, h, reo, u, "
                "adj, cop, split, whole, aux",
                "f.txt:8: 가다 is marked ㄷ-irregular (d), but its stem does not end in ㄷ "
                "(like 듣다, 걷다)",
                "f.txt:9: expected 'word [tokens] | form name | expected form'",
                "f.txt:10: expected 'word [tokens] | form name | expected form'",
                "f.txt:11: go | past: expected goed, got went",
                "f.txt:12: unknown form name 'plural'",
                "f.txt:13: unknown English override 'past=': expected third=, past=, pp=, ing=, "
                "plural= or article= with a form",
                "f.txt:14: the article in 'article=one' is neither a nor an",
            }));
}

TEST_F(FormsReportTest, KoreanReport) {
  std::string report = Report("크다 adj");
  EXPECT_EQ(report.substr(0, report.find('\n', report.find('\n') + 1) + 1),
            "크다 (adjective, regular)\npresent: 커요\n");
  EXPECT_NE(report.find("\npresent, honorific: 크세요\n"), std::string::npos);
  EXPECT_NE(report.find("\nmodifier: 큰\n"), std::string::npos);
  EXPECT_EQ(report.find("progressive"), std::string::npos);  // no such form: not listed
  EXPECT_EQ(report.find("please"), std::string::npos);

  report = Report("가다");
  EXPECT_NE(report.find("\nplease: 가세요\n"), std::string::npos);
  EXPECT_EQ(report.find("please, honorific"), std::string::npos);  // the same form again

  report = Report("계시다");  // honorific already: no second line of each form
  EXPECT_NE(report.find("\npresent: 계세요\n"), std::string::npos);
  EXPECT_EQ(report.find("present, honorific"), std::string::npos);

  EXPECT_EQ(Report("먹다").substr(0, Report("먹다").find('\n')),
            "먹다 (verb, regular, honorific 드시다)");
  EXPECT_EQ(Report("듣다 d").substr(0, Report("듣다 d").find('\n')), "듣다 (verb, ㄷ-irregular)");
  EXPECT_EQ(Report("빨갛다 h").substr(0, Report("빨갛다 h").find('\n')),
            "빨갛다 (adjective, ㅎ-irregular)");
  EXPECT_EQ(Report("학생이다 cop").substr(0, Report("학생이다 cop").find('\n')),
            "학생이다 (copula)");
  EXPECT_EQ(Report("음악을 듣다 d").substr(0, Report("음악을 듣다 d").find('\n')),
            "음악을 듣다 (verb, ㄷ-irregular)");
  EXPECT_EQ(Report("듣다 b"),
            "error: 듣다 is marked ㅂ-irregular (b), but its stem does not end in ㅂ "
            "(like 돕다, 춥다)");
}

TEST_F(FormsReportTest, EnglishReport) {
  EXPECT_EQ(Report("take a shower"),
            "take a shower (verb, irregular)\n"
            "base: take a shower\n"
            "third person: takes a shower\n"
            "past: took a shower\n"
            "past participle: taken a shower\n"
            "-ing: taking a shower\n");
  EXPECT_EQ(Report("be"),
            "be (verb, irregular)\n"
            "base: be\n"
            "third person: is\n"
            "past: was\n"
            "past participle: been\n"
            "-ing: being\n"
            "present I: am\n"
            "present plural: are\n"
            "past plural: were\n");
  EXPECT_EQ(Report("prefer double"),
            "prefer (verb, regular, doubles its final consonant)\n"
            "base: prefer\n"
            "third person: prefers\n"
            "past: preferred\n"
            "past participle: preferred\n"
            "-ing: preferring\n");
  EXPECT_EQ(Report("child noun"),
            "child (noun, irregular plural)\nplural: children\nwith a/an: a child\n");
  EXPECT_EQ(Report("cup of tea noun"),
            "cup of tea (noun, regular)\nplural: cups of tea\nwith a/an: a cup of tea\n");
  EXPECT_EQ(Report(""), "error: no word given");
  EXPECT_EQ(Report("   "), "error: no word given");
}
