// `dexc diff OLD_DIR NEW_DIR`: the records that disappear and appear between two
// compiled dictionary folders, compared as the lines `dexc dump` prints (so a changed
// record shows as one line gone and one new). For checking a change to the sources:
// every line gone should be a fixed error or a deliberate change.
#pragma once
#include <ostream>
#include <string>

// Prints "- name<TAB>record" for each record only in oldDir, "+ name<TAB>record" for each
// only in newDir, and a count per dictionary. Status 0 when both hold the same records,
// 1 when they differ or a file cannot be read.
int DiffDictionaries(const std::string& oldDir, const std::string& newDir, std::ostream& out,
                     std::ostream& err);
