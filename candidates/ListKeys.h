// The key of each line of the candidate list, by line index: a table of kMaxListLines
// keys that starts empty. It holds only the lines written so far (the longest list since
// the program started), so a short list does not cost the memory of the longest one.
// A line never written reads as "", and a line past the current list keeps the key it
// was last given, as in a fixed table.
#pragma once
#include <string>
#include <vector>

class CListKeys {
 public:
  const std::string& operator[](int nLine) const {
    static const std::string kNone;
    return nLine >= 0 && static_cast<std::size_t>(nLine) < m_keys.size() ? m_keys[static_cast<std::size_t>(nLine)]
                                                                         : kNone;
  }
  // Gives line nLine (0 <= nLine < kMaxListLines) its key.
  void Set(int nLine, const std::string& strKey) {
    const auto line = static_cast<std::size_t>(nLine);
    if (line >= m_keys.size()) m_keys.resize(line + 1);
    m_keys[line] = strKey;
  }

 private:
  std::vector<std::string> m_keys;
};
