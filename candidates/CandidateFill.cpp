// Turns the collected candidates into the lines of the candidate list: the lexicon
// runs (each already in phrase order in the file) and the free-slot lines are merged
// into one sequence in phrase order, reading each lexicon record only when its line is
// due, and every line's key is recorded in m_strListKeys.
#include "candidates/CandidateList.h"
#include "base/MbsCompare.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"

void CCandidateList::LoadRunEntry(int nRun, int nEntry, CDexFile& file) {
  CandRun& run = m_candWork[nRun];
  if (nRun == 0) {
    run.strKey = m_candCodes[nEntry].strKey;
    run.strPhrase = m_candCodes[nEntry].strCode;
    return;
  }
  unsigned char record[kLexiconRecordSize];
  file.ReadRecord(nEntry, kLexiconRecordSize, record);
  run.strKey = PlainField(record, kLexKeyOffset, kLexKeyWidth);
  run.strPhrase = PlainField(record, kLexPhraseOffset, kLexPhraseWidth);
  run.strTranslation = ScrambledField(record, kLexTranslationOffset, kLexTranslationWidth);
  run.strNote = PlainField(record, kLexNoteOffset, kLexNoteWidth);
}

// Links run nRun into the merge order before the first run, from the head on, whose
// phrase is greater than or equal to its own; after the last run when there is none.
void CCandidateList::InsertRun(int nRun, int& nHead) {
  CandRun& run = m_candWork[nRun];
  int r = nHead;
  for (;;) {
    CandRun& at = m_candWork[r];
    if (MbsCompare(run.strPhrase, at.strPhrase) > 0) {
      if (at.nNext == kRunEnd) {
        run.nNext = kRunEnd;
        run.nPrev = r;
        at.nNext = nRun;
        return;
      }
      r = at.nNext;
      continue;
    }
    run.nPrev = at.nPrev;
    run.nNext = r;
    if (at.nPrev == -1)
      nHead = nRun;
    else
      m_candWork[at.nPrev].nNext = nRun;
    at.nPrev = nRun;
    return;
  }
}

void CCandidateList::Fill(ICandidateSink& sink) {
  CDexFile file(FilesFor(m_bKoreanSource).szLexicon);

  CandRun& slots = m_candWork[0];
  slots.nFirst = 0;
  const bool slotsTakePart = m_nCandCodes >= 0;
  if (slotsTakePart) {
    slots.nLast = m_nCandCodes;
    LoadRunEntry(0, 0, file);
    slots.nCursor = 1;
  } else {
    slots.nLast = -1;
    slots.nCursor = 0;
  }

  // The merge order: the free-slot run first when it takes part, then each lexicon run
  // inserted by its first phrase, in index order.
  int head = -1;
  if (slotsTakePart) {
    head = 0;
    slots.nPrev = -1;
    slots.nNext = kRunEnd;
  }
  // The group index was built when the dialog started; a lexicon shortened since then
  // no longer holds the records past its end, so no run reaches beyond it.
  const int records = RecordCount(file, kLexiconRecordSize);
  for (int j = 1; j <= m_nCandWork; ++j) {
    CandRun& run = m_candWork[j];
    if (run.nLast > records - 1) run.nLast = records - 1;
    if (run.nCursor > run.nLast) continue;  // nothing of it is left: it takes no part
    LoadRunEntry(j, run.nCursor, file);
    ++run.nCursor;
    if (head < 0) {
      head = j;
      run.nPrev = -1;
      run.nNext = kRunEnd;
    } else {
      InsertRun(j, head);
    }
  }
  if (head < 0) return;

  // The key table has room for kMaxListLines lines: the fill stops there.
  for (int line = 0; line < kMaxListLines; ++line) {
    const int current = head;
    CandRun& run = m_candWork[current];
    const std::string text = current > 0
                                 ? run.strPhrase + ";" + run.strTranslation + ";" + run.strNote + ";"
                                 : run.strPhrase;
    m_strListKeys.Set(line, run.strKey);
    sink.InsertLine(line, text);

    const int entry = run.nCursor++;
    if (entry > run.nLast) {
      if (run.nNext == kRunEnd) break;
      head = run.nNext;
      m_candWork[head].nPrev = -1;
      continue;
    }
    LoadRunEntry(current, entry, file);
    if (run.nNext == kRunEnd || MbsCompare(run.strPhrase, m_candWork[run.nNext].strPhrase) <= 0)
      continue;
    head = run.nNext;
    m_candWork[head].nPrev = -1;
    InsertRun(current, head);
  }
}
