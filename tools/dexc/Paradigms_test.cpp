// Paradigms in lexicon sources: the entries a @words block makes in both directions, and
// every fault an author can make in a paradigm or a word line, as "file:line: message".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// A small grammar folder next to the sources, as data/grammar is for the bundled ones.
void WriteGrammar(const std::string& dir) {
  WriteSource(dir + "/irregular-verbs.txt", "go | went | gone\nsing | sang | sung\n");
  WriteSource(dir + "/irregular-plurals.txt", "child | children\n");
}

// A paradigm of Korean-to-English verbs, the form of the bundled ones.
const char* const kVerbParadigm =
    "@paradigm verb\n"
    "[*_p]  {ko.present}.  | {en}              | {ko}{sense}: present, {en}/{en.past}\n"
    "[*_p3] {ko.present}.  | {en.third person} | {ko}{sense}: he/she/it {en.third person}\n"
    "[*_ph] {ko.present, honorific}. | {en.third person}\n"
    "[*_r?] {ko.please}.   | {en}              | {ko}: Please {en}\n"
    "[*_r/favor] {ko.please (for me)}. | {en}  | {ko}: Please {en} for me\n"
    "@end\n";

// The lexicon lines of a compiled main.dex (key, phrase, translation, note).
std::vector<std::string> CompileMain(const std::string& words) {
  WriteGrammar("src/grammar");
  WriteSource("src/main/00-paradigms.txt", kVerbParadigm);
  WriteSource("src/main/10-verbs.txt", words);
  std::string err;
  EXPECT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  return DumpLines("out/main.dex");
}

struct ErrorCase {
  const char* name;
  std::string paradigm;  // main/00-paradigms.txt
  std::string words;     // main/10-verbs.txt
  std::vector<std::string> errors;
};

}  // namespace

TEST(DexcParadigms, KoreanWordsMakeEveryGroupOfTheirParadigm) {
  ScratchDir dir;
  std::vector<std::string> lines = CompileMain(
      "@words verb vt\n"
      "보다 | watch\n"
      "듣다 d | listen to | favor\n"
      "하다[운동] | play | only vt_p\n"
      "좋다 adj | good\n"
      "@end\n"
      "[vt_p]\n"
      "봐요.[영화] | see | written by hand\n");
  EXPECT_THAT(lines, ElementsAre("vt_p\t들어요.\tlisten to\t듣다: present, listen to/listened to",
                                 "vt_p\t봐요.\twatch\t보다: present, watch/watched",
                                 "vt_p\t봐요.[영화]\tsee\twritten by hand",
                                 "vt_p\t좋아요.\tgood\t좋다: present, good/gooded",
                                 "vt_p\t해요.[운동]\tplay\t하다 (운동): present, play/played",
                                 "vt_p3\t들어요.\tlistens to\t듣다: he/she/it listens to",
                                 "vt_p3\t봐요.\twatches\t보다: he/she/it watches",
                                 "vt_p3\t좋아요.\tgoods\t좋다: he/she/it goods",
                                 "vt_ph\t들으세요.\tlistens to\t", "vt_ph\t보세요.\twatches\t",
                                 "vt_ph\t좋으세요.\tgoods\t",
                                 "vt_r\t들어 주세요.\tlisten to\t듣다: Please listen to for me",
                                 "vt_r\t보세요.\twatch\t보다: Please watch"));
}

// A line whose key ends in "+" gives each word a second entry in that key's group: two
// negatives said alike go in one group, and "?" still leaves out a word that lacks the
// form. A further line alone needs no plain line of its key, and never counts as one; a
// further line of a variant ("+/short") stands in for the plain further line.
TEST(DexcParadigms, AFurtherLineAddsASecondFormToItsGroup) {
  ScratchDir dir;
  WriteGrammar("src/grammar");
  WriteSource("src/main/00-paradigms.txt",
              "@paradigm verb\n"
              "[*_n]   {ko.negative}.      | {en} | {ko}: don't {en}\n"
              "[*_n+?] {ko.long negative}. | {en} | {ko}: -지 않아요, don't {en}\n"
              "[*_n+/short] {ko.negative}. | #S{en}\n"
              "[*_r+?] {ko.please}.        | {en}\n"
              "@end\n");
  WriteSource("src/main/10-verbs.txt",
              "@words verb vt\n"
              "먹다 | eat\n"
              "보다 | watch | except vt_n\n"
              "자다 | sleep | short only vt_n\n"
              "@end\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/main.dex"),
              ElementsAre("vt_n\t먹지 않아요.\teat\t먹다: -지 않아요, don't eat",
                          "vt_n\t안 먹어요.\teat\t먹다: don't eat",
                          "vt_n\t안 자요.\tsleep\t자다: don't sleep",
                          "vt_n\t안 자요.\t#Ssleep\t",
                          "vt_r\t드세요.\teat\t", "vt_r\t보세요.\twatch\t"));
}

// 먹다 and 마시다 share the honorific 드시다: {honorific of} names the plain word so the
// two lines stay apart, and leaves regular honorifics and tagged words alone.
TEST(DexcParadigms, WordsSharingASuppletiveHonorificStayApart) {
  ScratchDir dir;
  WriteGrammar("src/grammar");
  WriteSource("src/main/00-paradigms.txt",
              "@paradigm verb\n"
              "[*h_p3] {ko.present, honorific}.{honorific of} | {en} | {ko}\n"
              "@end\n");
  WriteSource("src/main/10-verbs.txt",
              "@words verb vt\n"
              "먹다 | eat\n"
              "마시다 | drink\n"
              "먹다[약] | take\n"
              "읽다 | read\n"
              "@end\n"
              "@words verb am\n"
              "아프다 adj hon=편찮으시다 | sick\n"
              "@end\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/main.dex"),
              ElementsAre("vth_p3\t드세요.[마시다]\tdrink\t마시다",
                          "vth_p3\t드세요.[먹다]\teat\t먹다",
                          "vth_p3\t드세요.[약]\ttake\t먹다",
                          "vth_p3\t읽으세요.\tread\t읽다",
                          "amh_p3\t편찮으세요.[아프다]\tsick\t아프다"));
}

TEST(DexcParadigms, EnglishWordsMakeTheirFormsWithKoreanTranslations) {
  ScratchDir dir;
  WriteGrammar("src/grammar");
  WriteSource("src/ekmain.txt",
              "@paradigm verb\n"
              "[*_3]  {en.third person} | 을(를) {ko.present}   | {ko}{sense}: he/she/it\n"
              "[*_pa] {en.past}         | 을(를) {ko.past}\n"
              "@end\n"
              "@paradigm thing noun\n"
              "[n_one]  {en}        | {ko}\n"
              "[n_many] {en.plural} | {ko}들 | {note}\n"
              "@end\n"
              "@words verb vt\n"
              "sing past=sung_it | 부르다 reu [song]\n"
              "go | 가다\n"
              "@end\n"
              "@words thing\n"
              "child | 아이 | | a young person\n"
              "@end\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/ekmain.dex"),
              ElementsAre("vt_3\tgoes\t을(를) 가요\t가다: he/she/it",
                          "vt_3\tsings\t을(를) 불러요\t부르다 (song): he/she/it",
                          "vt_pa\tsung it\t을(를) 불렀어요\t", "vt_pa\twent\t을(를) 갔어요\t",
                          "n_one\tchild\t아이\ta young person",  // the word's own note
                          "n_many\tchildren\t아이들\ta young person"));
}

TEST(DexcParadigms, AuthorErrorsNameTheirLine) {
  const std::string verbs = kVerbParadigm;
  const ErrorCase cases[] = {
      {"unknown class token",
       verbs,
       "@words verb vt\n보다 q | watch\n@end\n",
       {"src/main/10-verbs.txt:2: unknown word class 'q': expected one of d, b, s, reu, h, reo, "
        "u, adj, cop, split, whole, aux"}},
      {"class and spelling disagree",
       verbs,
       "@words verb vt\n보다 d | watch\n@end\n",
       {"src/main/10-verbs.txt:2: 보다 is marked ㄷ-irregular (d), but its stem does not end in "
        "ㄷ (like 듣다, 걷다)"}},
      {"missing translation",
       verbs,
       "@words verb vt\n보다\n보다 |\n@end\n",
       {"src/main/10-verbs.txt:2: a word line is \"word | translation\", optionally followed by "
        "\"| options | note\"; the translation is missing",
        "src/main/10-verbs.txt:3: a word line is \"word | translation\", optionally followed by "
        "\"| options | note\"; the translation is missing"}},
      {"sides swapped",
       verbs,
       "@words verb vt\nwatch | 보다\n@end\n",
       {"src/main/10-verbs.txt:2: \"watch\" is not a Korean word; a word line is \"PHRASE WORD | "
        "TRANSLATION WORD\" in the dictionary's direction",
        "src/main/10-verbs.txt:2: \"보다\" is not an English word; a word line is \"PHRASE WORD | "
        "TRANSLATION WORD\" in the dictionary's direction"}},
      {"unknown placeholder",
       "@paradigm verb\n[*_p] {ko.present}. | {english}\n@end\n",
       "",
       {"src/main/00-paradigms.txt:2: unknown placeholder {english}: expected {ko}, {en}, "
        "{note}, {sense}, {honorific of}, {ko.FORM} or {en.FORM}"}},
      {"unknown form name",
       "@paradigm verb\n[*_p] {ko.presnt}. | {en}\n@end\n",
       "",
       {"src/main/00-paradigms.txt:2: unknown form name \"presnt\" in {ko.presnt}: the names are "
        "those `dexc forms` prints (past, present, honorific, third person, plural ...)"}},
      {"Korean form in a noun paradigm",
       "@paradigm n noun\n[n] {ko.past} | {en}\n@end\n",
       "",
       {"src/main/00-paradigms.txt:2: unknown form name \"past\" in {ko.past}: a noun paradigm "
        "has no Korean forms, only {ko}"}},
      {"unclosed brace",
       "@paradigm verb\n[*_p] {ko.present. | {en}\n@end\n",
       "",
       {"src/main/00-paradigms.txt:2: a \"{\" without its closing \"}\" in \"{ko.present.\""}},
      {"form the word lacks in a group that is not optional",
       "@paradigm verb\n[*_p] {ko.progressive}. | {en}\n@end\n",
       "@words verb vt\n크다 adj | big\n@end\n",
       {"src/main/10-verbs.txt:2: \"크다\" has no form {ko.progressive}, which [vt_p] takes; "
        "leave the word out of it (\"except vt_p\") or mark the group optional ([vt_p?]) in the "
        "paradigm"}},
      {"words of an unknown paradigm",
       verbs,
       "@words verbs vt\n보다 | watch\n@end\n",
       {"src/main/10-verbs.txt:1: no paradigm is called \"verbs\"; define it in a @paradigm "
        "block of this dictionary"}},
      {"only with a key not in the paradigm",
       verbs,
       "@words verb vt\n보다 | watch | only vt_p vt_q\n@end\n",
       {"src/main/10-verbs.txt:2: the key \"vt_q\" is not in the paradigm \"verb\""}},
      {"unknown option",
       verbs,
       "@words verb vt\n보다 | watch | favour\n@end\n",
       {"src/main/10-verbs.txt:2: unknown option \"favour\": the options are \"only KEY ...\", "
        "\"except KEY ...\" and the variants of the paradigm \"verb\" (favor)"}},
      {"expanded entry too long",
       verbs,
       "@words verb vt\n보다 | watch the long film\n@end\n",
       {"src/main/10-verbs.txt:2: the note \"보다: present, watch the long film/watched the long "
        "film\" that [vt_p] makes of this word is too long: 56 bytes in code page 949, at most "
        "49 fit"}},
      {"prefix missing",
       verbs,
       "@words verb\n보다 | watch\n@end\n",
       {"src/main/10-verbs.txt:1: the paradigm \"verb\" writes its keys with \"*\": name what "
        "stands for it, \"@words verb PREFIX\""}},
      {"block without @end",
       verbs,
       "@words verb vt\n보다 | watch\n",
       {"src/main/10-verbs.txt:1: this block has no @end line before the end of the file"}},
      {"entry after a block without a key",
       verbs,
       "[vt_p]\n가요. | go\n@words verb vt\n보다 | watch\n@end\n와요. | come\n",
       {"src/main/10-verbs.txt:6: this entry has no key: a @words block ends the key above it, "
        "so write a [key] line above the entry"}},
      {"paradigm defined twice",
       verbs + verbs,
       "",
       {"src/main/00-paradigms.txt:8: the paradigm \"verb\" was already defined at "
        "src/main/00-paradigms.txt:1"}},
  };
  for (const ErrorCase& c : cases) {
    ScratchDir dir;
    WriteGrammar("src/grammar");
    WriteSource("src/main/00-paradigms.txt", c.paradigm);
    WriteSource("src/main/10-verbs.txt", c.words);
    EXPECT_EQ(CompileErrors("src"), c.errors) << c.name;
  }
}

TEST(DexcParadigms, GrammarTablesAreFoundOrNamed) {
  ScratchDir dir;
  WriteSource("src/main/00-paradigms.txt", kVerbParadigm);
  WriteSource("src/main/10-verbs.txt", "@words verb vt\n보다 | watch\n@end\n");
  EXPECT_THAT(CompileErrors("src"),
              ElementsAre("src/main/10-verbs.txt:1: the English grammar tables "
                          "(irregular-verbs.txt and irregular-plurals.txt) were not found in "
                          "grammar; name their folder with --grammar DIR"));
  WriteGrammar("grammar");  // next to the source folder: the second default place
  EXPECT_THAT(CompileErrors("src"), ElementsAre());
  WriteGrammar("elsewhere");
  WriteSource("grammar/irregular-verbs.txt", "go | went\n");
  std::string err;
  EXPECT_EQ(Dexc({"check", "src"}, nullptr, &err), 1);
  EXPECT_THAT(err, HasSubstr("grammar/irregular-verbs.txt:1: "));
  EXPECT_EQ(Dexc({"check", "--grammar", "elsewhere", "src"}, nullptr, &err), 0) << err;
}

TEST(DexcParadigms, AShorterNoteStandsInWhereTheNoteWouldNotFit) {
  ScratchDir dir;
  WriteGrammar("src/grammar");
  WriteSource("src/main.txt",
              "@paradigm verb\n"
              "[v_p] {ko.present}. | {en} | {ko}: present, {en}/{en.past} | {ko}: present\n"
              "@end\n"
              "@words verb\n"
              "가다 | go\n"
              "출장 가다 | go on a business trip\n"
              "@end\n");
  std::string err;
  ASSERT_EQ(Dexc({"build", "src", "out"}, nullptr, &err), 0) << err;
  EXPECT_THAT(DumpLines("out/main.dex"),
              ElementsAre("v_p\t가요.\tgo\t가다: present, go/went",
                          "v_p\t출장 가요.\tgo on a business trip\t출장 가다: present"));
}
