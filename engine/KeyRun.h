// Finding a run of keys in a key list. Both are comma lists ("a,b,c,"): a run is found
// only where its items line up with whole items of the list. Used by the sentence
// builder's phrase pass; free functions so that they can be tested on their own.
#pragma once
#include <string_view>

// The 1-based item position in `list` of the first place where the items of `run`
// occur one after another; 0 when they never do, or when either text is empty.
int FindKeyRun(std::string_view list, std::string_view run);

// The 0-based item index of the first item of the last place where `run` occurs in
// `list`, among the places that begin before item `limit`; -1 when there is none.
// Places may overlap: after a find, the search goes on from the item after the found
// place's first item.
int FindLastKeyRun(std::string_view list, std::string_view run, int limit);
