#include "tools/dexc/Diagnostics.h"

#include <algorithm>
#include <climits>

namespace {
std::string Place(const SourceLocation& where) {
  return where.strFile + ":" + std::to_string(where.nLine);
}
}  // namespace

void CDiagnostics::NoteFile(const std::string& file) {
  m_fileOrder.emplace(file, static_cast<int>(m_fileOrder.size()));
}

void CDiagnostics::Error(const SourceLocation& where, const std::string& message) {
  m_errors.push_back({where.strFile, where.nLine, Place(where) + ": " + message});
}

void CDiagnostics::FileError(const std::string& file, const std::string& message) {
  m_errors.push_back({file, 0, file + ": " + message});
}

void CDiagnostics::Warning(const SourceLocation& where, const std::string& message) {
  m_warnings.push_back({where.strFile, where.nLine, "warning: " + Place(where) + ": " + message});
}

void CDiagnostics::FileWarning(const std::string& file, const std::string& message) {
  m_warnings.push_back({file, 0, "warning: " + file + ": " + message});
}

std::vector<std::string> CDiagnostics::Sorted(const std::vector<Message>& messages) const {
  auto order = [this](const Message& m) {
    auto found = m_fileOrder.find(m.strFile);
    return std::make_pair(found == m_fileOrder.end() ? INT_MAX : found->second, m.nLine);
  };
  std::vector<const Message*> sorted;
  for (const Message& m : messages) sorted.push_back(&m);
  std::stable_sort(sorted.begin(), sorted.end(), [&](const Message* a, const Message* b) {
    return order(*a) < order(*b);
  });
  std::vector<std::string> lines;
  for (const Message* m : sorted) lines.push_back(m->strText);
  return lines;
}

void CDiagnostics::Print(std::ostream& out) const {
  for (const std::string& line : Errors()) out << line << '\n';
  for (const std::string& line : Warnings()) out << line << '\n';
}

std::string Quoted(const std::string& utf8) { return "\"" + utf8 + "\""; }
