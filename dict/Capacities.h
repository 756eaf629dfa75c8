// The fixed capacities of the program's tables and the end marks of its linked lists,
// in one place. Every table that holds dictionary or composition data is sized here.
#pragma once

inline constexpr int kMaxSteps = 50;             // step records of one composition
inline constexpr int kChainEnd = 50;             // nNext of the last step record
inline constexpr int kMaxListLines = 8000;       // lines of the candidate list
inline constexpr int kMaxTableEntries = 200;     // key groups, result keys, free-slot lines
inline constexpr int kMaxLexiconRuns = 100;      // lexicon runs merged into one list
inline constexpr int kRunTableSize = 200;        // elements of the run table (0 = free slots)
inline constexpr int kRunEnd = 101;              // nNext of the last run in the merge order
inline constexpr int kMaxParticleMatches = 100;  // matches kept in one correction pass
inline constexpr int kMaxCorrectionPasses = 5;   // passes of one particle correction
// What a template fill may add to the texts the steps brought in. Real translations stay
// far below it; a dictionary whose rules copy a step's translation twice into their own
// result would otherwise double it with every step, beyond any memory.
inline constexpr int kMaxFilledText = 32 * 1024;
