#include "tools/script/ScriptSession.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/InterpreterDlg.h"
#include "base/Cp949.h"
#include "res/DialogTemplate.h"

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr int kClickIds[] = {IDC_STEP_BACK, IDC_CONFIRM, IDC_RESTART, IDC_DIR_KOREAN,
                             IDC_DIR_ENGLISH, IDC_ADD_SENTENCE};
constexpr int kTypeIds[] = {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH};
constexpr int kKeyIds[] = {IDC_SENTENCE, IDC_TRANSLATION, IDC_STEP_BACK, IDC_CANDIDATES,
                           IDC_CONFIRM, IDC_RESTART, IDC_DIR_KOREAN, IDC_DIR_ENGLISH,
                           IDC_COLLECTED, IDC_ADD_SENTENCE, IDC_SEARCH};

template <std::size_t N>
bool IsOneOf(int id, const int (&ids)[N]) {
  for (int candidate : ids)
    if (candidate == id) return true;
  return false;
}

template <std::size_t N>
std::string ListIds(const int (&ids)[N]) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) text += (i ? ", " : "") + std::to_string(ids[i]);
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the next word of `rest` (words are separated by blanks).
std::string NextWord(std::string& rest) {
  std::size_t start = 0;
  while (start < rest.size() && IsBlank(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  std::string word = rest.substr(start, end - start);
  rest.erase(0, end);
  return word;
}

bool ParseInt(const std::string& word, int* value) {
  if (word.empty()) return false;
  const char* end = word.data() + word.size();
  auto [at, error] = std::from_chars(word.data(), end, *value);
  return error == std::errc() && at == end;
}

bool OnlyBlanks(const std::string& text) {
  for (char c : text)
    if (!IsBlank(c)) return false;
  return true;
}

// JSON text in the layout of the protocol's examples: ": " after a member name and
// ", " between members and elements.
void WriteJson(const ordered_json& value, std::string& out) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& member : value.items()) {
      if (!first) out += ", ";
      first = false;
      out += json(member.key()).dump();
      out += ": ";
      WriteJson(member.value(), out);
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    bool first = true;
    for (const auto& element : value) {
      if (!first) out += ", ";
      first = false;
      WriteJson(element, out);
    }
    out += ']';
  } else {
    out += value.dump(-1, ' ', false, json::error_handler_t::replace);
  }
}

std::string JsonLine(const ordered_json& value) {
  std::string line;
  WriteJson(value, line);
  return line;
}

}  // namespace

const char* ScriptUsage() {
  return "Usage: daolsae-script < COMMANDS\n"
         "Runs the sentence interpreter's dialog without a screen, on the dictionary files\n"
         "of the current directory. Reads one command per line from standard input\n"
         "(UTF-8; blank lines and lines starting with # are ignored):\n"
         "  click ID         click button or radio button ID (1006 1014 1016 1017 1019 1023)\n"
         "  select N         pick line N (from 0) of the candidate list\n"
         "  type ID TEXT     replace the text of edit ID (1003 1004 1020 1028); TEXT is a\n"
         "                   JSON string literal\n"
         "  key ID enter     press Enter in control ID\n"
         "  key escape       press Escape: the dialog closes\n"
         "  show             print the dialog's state as one JSON line\n"
         "Exit status: 0 at the end of the input or after key escape; 1 when a dictionary\n"
         "file cannot be opened; 2 after an {\"error\": ...} line for a command it cannot\n"
         "understand.\n";
}

CScriptSession::CScriptSession() : m_pDialog(std::make_unique<CInterpreterDlg>()) {
  m_host.Open(*m_pDialog);
}

CScriptSession::~CScriptSession() = default;

int CScriptSession::Run(std::istream& in, std::ostream& out) {
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (OnlyBlanks(line) || line[0] == '#') continue;
    std::string why;
    if (!Execute(line, out, &why)) {
      ordered_json error;
      error["error"] = "line " + std::to_string(lineNumber) + ": " + why;
      out << JsonLine(error) << '\n' << std::flush;
      return kScriptBadCommand;
    }
    if (m_host.IsClosed()) return kScriptDone;
  }
  return kScriptDone;
}

bool CScriptSession::Execute(const std::string& line, std::ostream& out, std::string* why) {
  std::string rest = line;
  const std::string command = NextWord(rest);

  if (command == "show") {
    if (!OnlyBlanks(rest)) {
      *why = "show takes no arguments";
      return false;
    }
    out << StateLine() << '\n' << std::flush;
    return true;
  }

  if (command == "click") {
    int id = 0;
    if (!ParseInt(NextWord(rest), &id) || !OnlyBlanks(rest) || !IsOneOf(id, kClickIds)) {
      *why = "click needs one control ID of " + ListIds(kClickIds);
      return false;
    }
    m_host.Click(id);
    return true;
  }

  if (command == "select") {
    const std::string word = NextWord(rest);
    int index = 0;
    if (!ParseInt(word, &index) || !OnlyBlanks(rest)) {
      *why = "select needs one line number";
      return false;
    }
    const int count = m_host.ListState(IDC_CANDIDATES)->GetCount();
    if (index < 0 || index >= count) {
      *why = "select " + word + ": the candidate list has " + std::to_string(count) +
             (count == 1 ? " line" : " lines");
      return false;
    }
    m_host.Select(index);
    return true;
  }

  if (command == "type") {
    int id = 0;
    if (!ParseInt(NextWord(rest), &id) || !IsOneOf(id, kTypeIds)) {
      *why = "type needs one edit ID of " + ListIds(kTypeIds) + " and a JSON string";
      return false;
    }
    json text = json::parse(rest, nullptr, false);
    if (text.is_discarded() || !text.is_string()) {
      *why = "type: TEXT is not a JSON string literal";
      return false;
    }
    m_host.Type(id, Utf8ToCp949(text.get<std::string>()));
    return true;
  }

  if (command == "key") {
    const std::string first = NextWord(rest);
    if (first == "escape" && OnlyBlanks(rest)) {
      m_host.KeyEscape();
      return true;
    }
    int id = 0;
    const std::string second = NextWord(rest);
    if (!ParseInt(first, &id) || !IsOneOf(id, kKeyIds) || second != "enter" || !OnlyBlanks(rest)) {
      *why = "key needs \"escape\" or a control ID of " + ListIds(kKeyIds) + " and \"enter\"";
      return false;
    }
    m_host.KeyEnter(id);
    return true;
  }

  *why = "unknown command \"" + command + "\"";
  return false;
}

std::string CScriptSession::StateLine() {
  auto text = [](const std::string& cp949) { return Cp949ToUtf8(cp949); };
  ordered_json state;
  state["direction"] = m_host.CheckedRadio(IDC_DIR_KOREAN);
  ordered_json captions;
  for (int id : {IDC_STEP_BACK, IDC_CONFIRM, IDC_RESTART, IDC_ADD_SENTENCE})
    captions[std::to_string(id)] = text(m_host.ButtonState(id)->GetCaption());
  state["captions"] = captions;
  ordered_json enabled;
  enabled[std::to_string(IDC_ADD_SENTENCE)] = m_host.ButtonState(IDC_ADD_SENTENCE)->IsEnabled();
  state["enabled"] = enabled;
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH})
    state[std::to_string(id)] = text(m_host.EditState(id)->GetText());
  const CMemoryList* list = m_host.ListState(IDC_CANDIDATES);
  state["selected"] = list->GetCurSel();
  ordered_json lines = ordered_json::array();
  for (int i = 0; i < list->GetCount(); ++i) {
    ordered_json entry;
    entry["text"] = text(list->GetText(i));
    entry["key"] = i < kMaxListLines ? text(m_pDialog->m_candidates.m_strListKeys[i]) : std::string();
    lines.push_back(entry);
  }
  state["lines"] = lines;
  ordered_json messages = ordered_json::array();
  for (const std::string& message : m_host.TakeMessages()) messages.push_back(text(message));
  state["messages"] = messages;
  return JsonLine(state);
}
