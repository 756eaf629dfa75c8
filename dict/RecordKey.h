// The 8-byte key with which scrambled dictionary fields are stored. Built at run time
// from eight constants; every reader and the dictionary compiler use this one key.
#pragma once
#include <array>
#include <cstddef>

inline constexpr std::size_t kRecordKeyLength = 8;
using RecordKeyBytes = std::array<unsigned char, kRecordKeyLength>;

// The key, assembled once on first use.
const RecordKeyBytes& RecordKey();
