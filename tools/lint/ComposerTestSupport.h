// Small dictionaries for the phrasebook composer's tests, compiled into the current
// (scratch) directory. Korean to English: 나는 (I, and a second, wrong "you"), 책, 사과
// with the particle slot -(을(를)), 저 with -(이(가)) (corrected into 제가), 읽는다 / 먹는다 /
// 먹었다, and a final "-~.". English to
// Korean: "hello" finishes a sentence on its own and goes on with a name; 200 free-slot
// sentences fill the first list's free-slot table, so "zebra crossing." composes only
// when it is typed.
#pragma once
#include <map>
#include <string>

#include "tools/dexc/DexcTestSupport.h"

inline std::map<std::string, std::string> ComposerTestSources() {
  std::string slots;
  for (int i = 0; i < 200; ++i) {
    std::string n = std::to_string(1000 + i).substr(1);
    slots += "-w" + n + " | 단어 " + n + ".\n";
  }
  return {
      {"main.txt",
       "[subj]\n나는 | I\n[subj_wrong]\n나는 | you\n[pron]\n저 | I\n"
       "[n_obj]\n책 | the book\n사과 | an apple\n"
       "[v]\n읽는다 | read\n먹는다 | eat\n먹었다 | ate\n"},
      {"gu.txt",
       "subj | @0@ | zS\nsubj_wrong | @0@ | zS\npron, -(이(가)) | @0@ | zS\n"
       "n_obj, -(을(를)) | @0@ | zO\n"
       "v | @0@ | zV\n"},
      {"change.txt", "zS, zO, zV, -~. | @0@ @2@ @1@.\n"},
      {"ekmain.txt", "[e_hi]\nhello | 안녕\n[e_name]\nTom | 톰\n"},
      {"ekgu.txt", "e_hi | @0@ | zHi\ne_name | @0@ | zName\n"},
      {"ekchange.txt",
       "zHi | @0@\nzHi, zName, -~. | @1@ 씨, @0@하세요.\n-zebra crossing. | 횡단보도.\n" + slots},
      {"tosi.txt",
       "\"(을(를))\" | \"을\"\n\"{V}(을(를))\" | \"{V}를\"\n\" 저(이(가))\" | \" 제가\"\n"},
  };
}

// Compiles the test dictionaries into the current directory; false (with the
// compiler's messages in *errors) when they do not compile.
inline bool WriteComposerTestDictionaries(std::string* errors) {
  for (const auto& [file, text] : ComposerTestSources()) WriteSource("src/" + file, text);
  return Dexc({"build", "src", "."}, nullptr, errors) == 0;
}
