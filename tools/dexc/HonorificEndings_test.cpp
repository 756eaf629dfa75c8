// The honorific endings the particle dictionary derives from the English-to-Korean
// lexicon's words: what one word gives, which hand-written entries win, and the faults.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

void WriteLexicon(const std::string& words) {
  WriteSource("src/grammar/irregular-verbs.txt", "eat | ate | eaten\n");
  WriteSource("src/grammar/irregular-plurals.txt", "child | children\n");
  WriteSource("src/ekmain/00-paradigms.txt",
              "@paradigm verb\n[*_1] {en} | {ko.present} | {ko}\n@end\n");
  WriteSource("src/ekmain/10-verbs.txt", "@words verb v\n" + words + "@end\n");
}

}  // namespace

TEST(DexcHonorificEndings, EveryFormOfAWordGetsItsHonorific) {
  ScratchDir dir;
  WriteLexicon("eat | 을(를) 먹다\nlive | 살다\n");
  WriteSource("src/tosi/ek-20.txt", "@honorific-endings %\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  // The particle before a verb is left out of the pattern, so it matches after any noun;
  // a third person's wish is 싶어 하세요; the ㄹ of 살다 drops before -시-.
  EXPECT_THAT(DumpLines("out/tosi.dex"),
              IsSupersetOf({"먹어요%\t드세요", "안 먹어요%\t안 드세요", "먹었어요%\t드셨어요", "먹을 거예요%\t드실 거예요",
                            "먹고 싶어요%\t드시고 싶어 하세요", "먹지 않아요%\t드시지 않으세요",
                            "먹고 있어요%\t드시고 계세요", "살아요%\t사세요",
                            "살았어요%\t사셨어요", "살 거예요%\t사실 거예요"}));
}

TEST(DexcHonorificEndings, AHandWrittenEntryWinsAndAClashMustBeSettledByHand) {
  ScratchDir dir;
  WriteLexicon("walk | 걷다 d\nhang | 을(를) 걸다\n");
  WriteSource("src/tosi/ek-20.txt", "@honorific-endings %\n");
  EXPECT_THAT(CompileErrors("src"),
              Contains("src/tosi/ek-20.txt:1: \"걸어요%\" is 걸으세요 for 걷다 but 거세요 for "
                       "을(를) 걸다; write the entry for it by hand"));

  WriteSource("src/tosi/ek-20.txt", "\"걸어요%\" | \"걸으세요\"\n@honorific-endings %\n");
  std::vector<std::string> errors = CompileErrors("src");
  EXPECT_THAT(errors, Not(Contains(HasSubstr("\"걸어요%\""))));
  EXPECT_THAT(errors, Contains(HasSubstr("\"안 걸어요%\" is 안 걸으세요 for 걷다 but 안 거세요")));

  WriteLexicon("walk | 걷다 d\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  std::vector<std::string> lines = DumpLines("out/tosi.dex");
  EXPECT_THAT(lines, Contains("걸어요%\t걸으세요"));
  EXPECT_THAT(lines, Contains("걸을 거예요%\t걸으실 거예요"));
}

TEST(DexcHonorificEndings, ADirectiveWithoutItsMarkerIsAnError) {
  ScratchDir dir;
  WriteLexicon("eat | 을(를) 먹다\n");
  WriteSource("src/tosi/ek-20.txt", "@honorific-endings\n");
  EXPECT_THAT(CompileErrors("src"),
              ElementsAre("src/tosi/ek-20.txt:1: expected \"@honorific-endings MARKER\", the "
                          "marker that a sentence pattern writes after a verb "
                          "(\"@honorific-endings %\")"));
}

TEST(DexcHonorificEndings, APlanInTheProgressiveGetsTheFutureAndNotThePlainNegative) {
  ScratchDir dir;
  WriteLexicon("go to bed early | 일찍 자다\nlisten to | 을(를) 듣다 d\nsleep | 자다\n");
  WriteSource("src/tosi/ek-20.txt", "@plan-endings $\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  // Only the progressive is marked; the words before the verb are left out, and two
  // words with the same verb give one entry.
  std::vector<std::string> lines = DumpLines("out/tosi.dex");
  EXPECT_THAT(lines, IsSupersetOf({"자고 있어요$\t잘 거예요", "듣고 있어요$\t들을 거예요"}));
  EXPECT_THAT(lines, Not(Contains(HasSubstr("자요$"))));
  EXPECT_THAT(lines, Not(Contains(HasSubstr("%"))));

  // After not, the progressive is the plain negative, 안 inside a noun + 하다 verb.
  WriteLexicon("sleep | 자다\ngo to work | 출근하다\n");
  WriteSource("src/tosi/ek-20.txt", "@not-endings *\n");
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/tosi.dex"),
              IsSupersetOf({"자고 있어요*\t안 자요", "출근하고 있어요*\t출근 안 해요"}));

  // A plan of an honoured subject: the honorific future (자다 is 주무시다).
  WriteSource("src/tosi/ek-20.txt", "@honorific-plan-endings $%\n");
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/tosi.dex"), Contains("자고 있어요$%\t주무실 거예요"));

  WriteSource("src/tosi/ek-20.txt", "@plan-endings\n");
  EXPECT_THAT(CompileErrors("src"),
              ElementsAre("src/tosi/ek-20.txt:1: expected \"@plan-endings MARKER\", the "
                          "marker that a sentence pattern writes after a verb "
                          "(\"@plan-endings $\")"));
}
