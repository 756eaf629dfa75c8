// fuzz_make_seeds CORPUS_DIR DICT_DIR...: writes seed inputs for every fuzz target from
// compiled dictionary sets (directories holding the seven .dex files), in the input
// layout of fuzz/FuzzSupport.h. Besides the dictionaries themselves (each file cut to
// its first kMaxRecords records, so that the fuzzers stay fast), it composes complete
// sentences from each set, expanding a sentence pattern's items through the phrase
// rules down to lexicon records, and turns them into step lists, phrase-expansion
// questions and driver scripts that reach deep into the program.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/Cp949.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "fuzz/FuzzSupport.h"

namespace fs = std::filesystem;

namespace {

// Seeds stay within the input sizes tools/fuzz.sh allows each target (-max_len).
constexpr std::size_t kMaxRecords = 24;
constexpr std::size_t kMaxSentencesPerDirection = 8;
constexpr int kMaxDepth = 4;
constexpr int kMaxSteps = 49;

std::string ReadCapped(const fs::path& file, std::size_t recordSize) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() > kMaxRecords * recordSize) bytes.resize(kMaxRecords * recordSize);
  return bytes;
}

template <typename Record, typename Decode>
std::vector<Record> DecodeAll(const std::string& bytes, std::size_t recordSize, Decode decode) {
  std::vector<Record> records;
  for (std::size_t at = 0; at + recordSize <= bytes.size(); at += recordSize)
    records.push_back(decode(reinterpret_cast<const unsigned char*>(bytes.data()) + at));
  return records;
}

// One direction of a dictionary set: the (capped) file bytes and their records.
struct Direction {
  std::string mainBytes, guBytes, changeBytes;
  std::vector<LexiconRecord> lexicon;
  std::vector<std::string> rules;
  std::vector<PatternRecord> patterns;
};

struct DictionarySet {
  std::string name;
  Direction dir[2];  // 0: Korean to English, 1: English to Korean
  std::string tosiBytes;       // capped like the other files
  std::string tosiAll;         // the whole file, for slices of particle records
};

DictionarySet Load(const fs::path& path, const std::string& name) {
  DictionarySet set;
  set.name = name;
  const char* mains[2] = {kMainKor, kMainEng};
  const char* gus[2] = {kGuKor, kGuEng};
  const char* changes[2] = {kChangeKor, kChangeEng};
  for (int d = 0; d < 2; ++d) {
    Direction& dir = set.dir[d];
    dir.mainBytes = ReadCapped(path / mains[d], kLexiconRecordSize);
    dir.guBytes = ReadCapped(path / gus[d], kRuleRecordSize);
    dir.changeBytes = ReadCapped(path / changes[d], kPatternRecordSize);
    dir.lexicon = DecodeAll<LexiconRecord>(dir.mainBytes, kLexiconRecordSize, DecodeLexicon);
    for (const auto& r : DecodeAll<RuleRecord>(dir.guBytes, kRuleRecordSize, DecodeRule))
      dir.rules.push_back(r.strText);
    dir.patterns = DecodeAll<PatternRecord>(dir.changeBytes, kPatternRecordSize, DecodePattern);
  }
  set.tosiBytes = ReadCapped(path / kTosi, kParticleRecordSize);
  std::ifstream in(path / kTosi, std::ios::binary);
  set.tosiAll.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return set;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at - from));
    if (at == std::string::npos) break;
    from = at + 1;
  }
  return parts;
}

struct Step {
  std::string strKey, strPhrase, strTranslation, strNote;
  bool bFree = false;
};

// A composed sentence: its steps, and for each item of its pattern the item and the
// index of its first step.
struct Sentence {
  std::vector<Step> steps;
  std::vector<std::string> items;
  std::vector<std::size_t> itemStarts;
};

bool Expand(const Direction& dir, const std::string& item, int depth, std::vector<Step>& steps) {
  if (steps.size() >= kMaxSteps) return false;
  if (!item.empty() && item[0] == '-') {
    steps.push_back({"zz", item.substr(1), "", "", true});
    return true;
  }
  if (!item.empty() && item[0] == 'z') {
    if (depth >= kMaxDepth) return false;
    for (const std::string& rule : dir.rules) {
      std::vector<std::string> fields = Split(rule, ';');
      if (fields.size() < 3 || fields[2] != item) continue;
      std::size_t mark = steps.size();
      bool ok = true;
      for (const std::string& part : Split(fields[0], ','))
        if (!(ok = Expand(dir, part, depth + 1, steps))) break;
      if (ok) return true;
      steps.resize(mark);
    }
    return false;
  }
  for (const LexiconRecord& r : dir.lexicon)
    if (r.strKey == item) {
      steps.push_back({r.strKey, r.strPhrase, r.strTranslation, r.strNote, false});
      return true;
    }
  return false;
}

std::vector<Sentence> Compose(const Direction& dir) {
  std::vector<Sentence> sentences;
  std::size_t stride = dir.patterns.size() / kMaxSentencesPerDirection + 1;
  for (std::size_t p = 0; p < dir.patterns.size() && sentences.size() < kMaxSentencesPerDirection;
       p += stride) {
    std::string list = dir.patterns[p].strKeyList;
    if (list.size() < 2 || list.front() != ',' || list.back() != ',') continue;
    Sentence s;
    bool ok = true;
    for (const std::string& item : Split(list.substr(1, list.size() - 2), ',')) {
      s.items.push_back(item);
      s.itemStarts.push_back(s.steps.size());
      if (!(ok = Expand(dir, item, 0, s.steps))) break;
    }
    if (ok && !s.steps.empty()) sentences.push_back(s);
  }
  return sentences;
}

std::string Join(const std::vector<std::string>& sections) {
  std::string input;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i) input += fuzz::kSectionSeparator;
    input += sections[i];
  }
  return input;
}

std::string StepLines(const std::vector<Step>& steps, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && i < steps.size(); ++i)
    text += steps[i].strKey + "\t" + steps[i].strPhrase + "\t" + steps[i].strTranslation + "\n";
  return text;
}

// A JSON string literal of a code page 949 text, as the driver reads it.
std::string JsonString(const std::string& cp949) {
  std::string utf8 = Cp949ToUtf8(cp949);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// The user's actions that compose the sentence: type each line's text into the search
// box, press Enter there (the list scrolls to that line and selects it) and confirm.
// Then add the pair, step back, restart and change direction.
std::string Script(const Sentence& s, int d) {
  std::string script = d == 1 ? "click 1019\n" : "";
  for (const Step& step : s.steps) {
    std::string line = step.bFree ? "-" + step.strPhrase
                                  : step.strPhrase + ";" + step.strTranslation + ";" +
                                        step.strNote + ";";
    script += "type 1028 " + JsonString(line) + "\nkey 1028 enter\nclick 1014\n";
  }
  script += "show\nclick 1023\nshow\nclick 1006\nclick 1006\nshow\nclick 1016\n";
  script += d == 1 ? "click 1017\n" : "click 1019\n";
  script += "select 0\nshow\nkey 1020 enter\ntype 1020 \"x\"\nshow\nkey escape\n";
  return script;
}

class Writer {
 public:
  explicit Writer(fs::path corpus) : m_corpus(std::move(corpus)) {}
  void Put(const std::string& target, const std::string& name, const std::string& bytes) {
    fs::path dir = m_corpus / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
    ++m_nWritten;
  }
  int Written() const { return m_nWritten; }

 private:
  fs::path m_corpus;
  int m_nWritten = 0;
};

void WriteSeeds(Writer& out, const DictionarySet& set) {
  const Direction& kor = set.dir[0];
  const Direction& eng = set.dir[1];
  const std::string& n = set.name;

  const std::vector<std::pair<const char*, const std::string*>> files = {
      {"main", &kor.mainBytes}, {"ekmain", &eng.mainBytes}, {"gu", &kor.guBytes},
      {"ekgu", &eng.guBytes},   {"change", &kor.changeBytes}, {"ekchange", &eng.changeBytes},
      {"tosi", &set.tosiBytes}};
  for (const auto& [file, bytes] : files)
    if (!bytes->empty()) out.Put("fuzz_records", n + "-" + file, *bytes);

  out.Put("fuzz_phrase_tables", n, Join({kor.mainBytes, eng.mainBytes, kor.guBytes, eng.guBytes}));

  const std::vector<std::string> sentenceFiles = {kor.guBytes, kor.changeBytes, eng.guBytes,
                                                  eng.changeBytes};
  const std::vector<std::string> listOrder = {kor.mainBytes, kor.guBytes,   kor.changeBytes,
                                              eng.mainBytes, eng.guBytes, eng.changeBytes};
  const std::vector<std::string> allFiles = {kor.mainBytes,   eng.mainBytes, kor.guBytes,
                                             eng.guBytes,     kor.changeBytes, eng.changeBytes,
                                             set.tosiBytes};
  out.Put("fuzz_candidate_list", n + "-start", Join({listOrder[0], listOrder[1], listOrder[2],
                                                     listOrder[3], listOrder[4], listOrder[5],
                                                     "\x01"}));
  out.Put("fuzz_script", n + "-browse",
          Join({allFiles[0], allFiles[1], allFiles[2], allFiles[3], allFiles[4], allFiles[5],
                allFiles[6], "select 0\nclick 1014\nshow\nselect 1\nclick 1014\nshow\n"}));

  for (int d = 0; d < 2; ++d) {
    std::string directionByte = d == 0 ? "\x01" : "\x00";
    directionByte.resize(1);
    std::vector<Sentence> sentences = Compose(set.dir[d]);
    for (std::size_t i = 0; i < sentences.size(); ++i) {
      const Sentence& s = sentences[i];
      std::string tag = n + "-" + (d == 0 ? "kor" : "eng") + std::to_string(i);
      std::vector<std::string> sections = sentenceFiles;
      sections.push_back(directionByte + StepLines(s.steps, s.steps.size()));
      out.Put("fuzz_check_sentence", tag, Join(sections));

      for (std::size_t k : {std::size_t{1}, s.steps.size() / 2, s.steps.size() - 1}) {
        if (k == 0 || k >= s.steps.size()) continue;
        std::vector<std::string> list = listOrder;
        list.push_back(directionByte + StepLines(s.steps, k));
        out.Put("fuzz_candidate_list", tag + "-" + std::to_string(k), Join(list));
      }

      // The question asked after the first step of each phrase of two or more steps.
      for (std::size_t item = 0; item < s.items.size(); ++item) {
        std::size_t start = s.itemStarts[item];
        std::size_t end = item + 1 < s.items.size() ? s.itemStarts[item + 1] : s.steps.size();
        if (end - start < 2) continue;
        std::string head;
        for (std::size_t h = 0; h < item; ++h) head += s.items[h] + ",";
        std::string tail = s.steps[start].bFree ? "-" + s.steps[start].strPhrase
                                                : s.steps[start].strKey;
        std::vector<std::string> question = sentenceFiles;
        question.push_back(directionByte + tail + ",\n" + head);
        out.Put("fuzz_continuation_keys", tag + "-" + std::to_string(item), Join(question));
      }

      std::vector<std::string> script(allFiles);
      script.push_back(Script(s, d));
      out.Put("fuzz_script", tag, Join(script));
    }
  }

  // Particle seeds: slices of kMaxRecords records from eight places of the file (a
  // slice of a sorted file is sorted), looked up by the first character of a pattern,
  // with a sentence made of the slice's patterns after a word.
  const std::size_t records = set.tosiAll.size() / kParticleRecordSize;
  for (std::size_t part = 0; part < 8 && part * records / 8 < records; ++part) {
    std::size_t first = part * records / 8;
    std::size_t count = std::min(kMaxRecords, records - first);
    std::string slice = set.tosiAll.substr(first * kParticleRecordSize, count * kParticleRecordSize);
    std::vector<ParticleRecord> particles =
        DecodeAll<ParticleRecord>(slice, kParticleRecordSize, DecodeParticle);
    const std::string& pattern = particles[count / 2].szPattern;
    std::string key =
        pattern.substr(0, !pattern.empty() && static_cast<unsigned char>(pattern[0]) >= 0x80 ? 2 : 1);
    std::string sentence;
    for (std::size_t q = count / 2; q < particles.size() && q < count / 2 + 6; ++q)
      sentence += " " + Utf8ToCp949("학교") + particles[q].szPattern + " #x";
    std::string range("\x00\x00\xff\xff", 4);
    out.Put("fuzz_particles", n + "-" + std::to_string(part), Join({slice, range + key + "\n" + sentence}));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: fuzz_make_seeds CORPUS_DIR DICT_DIR...\n");
    return 2;
  }
  Writer out(argv[1]);
  for (int i = 2; i < argc; ++i) {
    fs::path path(argv[i]);
    if (!fs::exists(path / kMainKor)) {
      std::fprintf(stderr, "fuzz_make_seeds: %s holds no %s\n", argv[i], kMainKor);
      return 1;
    }
    WriteSeeds(out, Load(path, path.filename().string()));
  }
  std::printf("%d seeds written to %s\n", out.Written(), argv[1]);
  return 0;
}
