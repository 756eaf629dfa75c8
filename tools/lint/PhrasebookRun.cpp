#include "tools/lint/PhrasebookRun.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "tools/lint/ShownText.h"

namespace {

const char* DirectionName(bool koreanSource) {
  return koreanSource ? "Korean->English" : "English->Korean";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Which accepted translation a reading gives, in words.
std::string AcceptedName(int accepted) {
  if (accepted == 0) return "the reference";
  return "variant " + std::to_string(accepted);
}

void Judge(PhrasebookOutcome& outcome) {
  const std::vector<ComposedReading>& readings = outcome.result.readings;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const int accepted =
        AcceptedIndex(readings[i].strTranslation, outcome.pair.strReference, outcome.pair.variants);
    if (accepted >= 0) {
      outcome.nChosen = static_cast<int>(i);
      outcome.nAccepted = accepted;
      return;
    }
  }
  if (!readings.empty()) outcome.nChosen = 0;
}

void PrintSteps(const std::vector<std::string>& actions, const char* indent, std::ostream& out) {
  if (actions.empty()) out << indent << "(no step)\n";
  for (const std::string& action : actions) out << indent << action << "\n";
}

void PrintLines(const char* title, const std::vector<std::string>& lines, std::ostream& out) {
  if (lines.empty()) return;
  out << "    " << title << ":\n";
  for (const std::string& line : lines) out << "      " << line << "\n";
}

void PrintOutcome(const std::string& name, const PhrasebookOutcome& o, std::ostream& out) {
  const ComposeResult& r = o.result;
  out << name << ":" << o.pair.nLine << ": [" << o.pair.strTheme << "] " << o.pair.strSource
      << "\n";
  if (!r.strProblem.empty()) out << "  problem: " << r.strProblem << "\n";
  if (r.bComposed) {
    const ComposedReading& chosen = r.readings[static_cast<std::size_t>(o.nChosen)];
    if (o.Right())
      out << "  composed, translation right (" << AcceptedName(o.nAccepted)
          << "): " << chosen.strTranslation << "\n";
    else
      out << "  composed, translation WRONG: " << Quoted(chosen.strTranslation)
          << "; the reference is " << Quoted(o.pair.strReference) << "\n";
    PrintSteps(chosen.actions, "    ", out);
    for (std::size_t i = 0; i < r.readings.size(); ++i) {
      if (static_cast<int>(i) == o.nChosen) continue;
      const int accepted =
          AcceptedIndex(r.readings[i].strTranslation, o.pair.strReference, o.pair.variants);
      out << "  another reading, "
          << (accepted >= 0 ? "right (" + AcceptedName(accepted) + ")" : std::string("WRONG"))
          << ": " << Quoted(r.readings[i].strTranslation) << "\n";
      PrintSteps(r.readings[i].actions, "    ", out);
    }
  } else {
    out << "  NOT composed; the box got as far as " << Quoted(r.strReached) << "\n";
    PrintSteps(r.reachedActions, "    ", out);
    out << "    the list there offers " << r.nOfferedLines << " line(s)\n";
    PrintLines("those that come nearest to the rest of the sentence", r.nearestLines, out);
    PrintLines("its first lines", r.firstLines, out);
    if (!r.notOffered.empty())
      PrintLines(
          "why: the dictionaries hold what goes on, but the list does not offer it there (a "
          "pattern or "
          "rule is missing)",
          r.notOffered, out);
    else if (r.strProblem.empty())
      out << "    why: nothing in the dictionaries goes on there (a word or a form is missing)\n";
    PrintLines("the phrases of the dictionaries nearest to it", r.nearestElsewhere, out);
  }
  if (r.bBoundHit) out << "  the search stopped at its bound after " << r.nNodes << " steps\n";
}

}  // namespace

PhrasebookRunResult RunPhrasebook(const Phrasebook& book, const std::string& name,
                                  bool koreanSource, const ComposeOptions& options) {
  const auto start = std::chrono::steady_clock::now();
  PhrasebookRunResult run;
  run.strName = name;
  run.bKoreanSource = koreanSource;
  CComposer composer(koreanSource, options);
  for (const PhrasebookPair& pair : book.pairs) {
    PhrasebookOutcome outcome{pair, composer.Compose(pair.strSource)};
    Judge(outcome);
    run.nComposed += outcome.result.bComposed ? 1 : 0;
    run.nRight += outcome.Right() ? 1 : 0;
    run.nBoundHit += outcome.result.bBoundHit ? 1 : 0;
    if (!outcome.result.bComposed && outcome.result.strProblem.empty())
      ++(outcome.result.notOffered.empty() ? run.nUnknown : run.nNotOffered);
    run.nNodes += outcome.result.nNodes;
    run.nReplays += outcome.result.nReplays;
    run.outcomes.push_back(std::move(outcome));
  }
  run.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

std::string PhrasebookSummaryLine(const PhrasebookRunResult& run) {
  return "composed " + std::to_string(run.nComposed) + " of " +
         std::to_string(run.outcomes.size()) + ", translation right " + std::to_string(run.nRight) +
         " of " + std::to_string(run.nComposed);
}

void PrintPhrasebookReport(const PhrasebookRunResult& run, std::ostream& out) {
  out << DirectionName(run.bKoreanSource) << " phrasebook " << run.strName << ": "
      << run.outcomes.size() << " sentence(s)\n";
  const std::string name = std::filesystem::path(run.strName).filename().string();
  for (const PhrasebookOutcome& outcome : run.outcomes) PrintOutcome(name, outcome, out);
  out << PhrasebookSummaryLine(run) << "\n";
  out << "not composed: " << run.nNotOffered
      << " where the dictionaries hold what goes on but the list does not "
      << "offer it, " << run.nUnknown << " where they hold nothing that goes on\n";
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f s", run.dSeconds);
  out << "search: " << run.nNodes << " steps confirmed, " << run.nReplays
      << " replay(s), bound hit for " << run.nBoundHit << " sentence(s), " << seconds << "\n";
}

bool ReadBaseline(const std::string& path, std::vector<std::string>* sentences,
                  std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = path + ": cannot be read";
    return false;
  }
  sentences->clear();
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    const std::size_t last = line.find_last_not_of(" \t");
    sentences->push_back(line.substr(first, last - first + 1));
  }
  return true;
}

bool WriteBaseline(const std::string& path, const PhrasebookRunResult& run, std::string* error) {
  // Through a temporary file, so that a failed write leaves the old baseline whole.
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << "# The sentences of " << std::filesystem::path(run.strName).filename().string()
        << " that composed when this file was written\n"
           "# (daolsae-lint --write-baseline). A sentence listed here that no longer composes\n"
           "# fails the run; add the new ones by writing the file again.\n";
    for (const PhrasebookOutcome& outcome : run.outcomes)
      if (outcome.result.bComposed) out << outcome.pair.strSource << "\n";
    out.flush();
    if (!out) {
      *error = temporary + ": cannot be written";
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code failed;
  std::filesystem::rename(temporary, path, failed);
  if (failed) {
    *error = path + ": cannot be written (" + failed.message() + ")";
    std::filesystem::remove(temporary, failed);
    return false;
  }
  return true;
}

std::vector<std::string> LostSentences(const std::vector<std::string>& baseline,
                                       const PhrasebookRunResult& run) {
  std::map<std::string, const ComposeResult*> results;
  for (const PhrasebookOutcome& outcome : run.outcomes)
    results[outcome.pair.strSource] = &outcome.result;
  std::vector<std::string> lost;
  for (const std::string& sentence : baseline) {
    auto it = results.find(sentence);
    if (it == results.end())
      lost.push_back(sentence + " (the phrasebook no longer holds it)");
    else if (!it->second->bComposed && it->second->bBoundHit)
      lost.push_back(sentence + " (no longer composes within the search's bound)");
    else if (!it->second->bComposed)
      lost.push_back(sentence + " (no longer composes)");
  }
  return lost;
}
