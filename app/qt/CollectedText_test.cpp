// The collected text kept between runs of the desktop program: the state file itself
// (folder, format, damaged files set aside, writes that fail), the keeper that follows
// the box, and two whole runs of the program's start-up with a close in between.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>

#include "app/InterpreterDlg.h"
#include "app/qt/CollectedTextKeeper.h"
#include "app/qt/CollectedTextStore.h"
#include "app/qt/InterpreterApp.h"
#include "app/qt/QtDialogHost.h"
#include "app/qt/QtTestSupport.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The text a state file keeps, or "(none)" when it is no kept text.
std::string KeptText(const QString& path) {
  const QByteArray bytes = ReadAll(path);
  nlohmann::json kept = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (!kept.is_object() || !kept.contains("text") || !kept["text"].is_string()) return "(none)";
  return kept["text"].get<std::string>();
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value)
      : m_name(name), m_bHad(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~ScopedEnvironment() {
    if (m_bHad)
      qputenv(m_name, m_old);
    else
      qunsetenv(m_name);
  }

 private:
  const char* m_name;
  bool m_bHad;
  QByteArray m_old;
};

// ---- The state file --------------------------------------------------------------------

TEST(CollectedTextStore, TheStateFolderFollowsXdgStateHomeOrFallsBackToTheHomeFolder) {
  const struct {
    QByteArray stateHome;
    QString expected;
  } cases[] = {
      {"/tmp/state-here", "/tmp/state-here/daolsae"},
      {QByteArray(), QDir::homePath() + "/.local/state/daolsae"},   // not set
      {"", QDir::homePath() + "/.local/state/daolsae"},             // empty
      {"relative/path", QDir::homePath() + "/.local/state/daolsae"},  // not absolute: ignored
  };
  for (const auto& c : cases) {
    ScopedEnvironment environment("XDG_STATE_HOME", c.stateHome);
    EXPECT_EQ(DefaultStateFolder(), c.expected) << c.stateHome.constData();
  }
}

TEST(CollectedTextStore, KeepsTheTextExactlyInAFolderOnlyTheUserMayRead) {
  QTemporaryDir base;
  CCollectedTextStore store(base.filePath("a/b/daolsae"));
  EXPECT_EQ(store.Load(), "");  // nothing kept yet
  const std::string text = "나는 학생이에요.\r\nI am a student.\r\n\r\n\"quoted\" \\ tab\t";
  QString error;
  ASSERT_TRUE(store.Save(text, &error)) << error.toStdString();
  EXPECT_EQ(store.Load(), text);
  EXPECT_EQ(store.FilePath(), base.filePath("a/b/daolsae/collected.json"));
  EXPECT_EQ(KeptText(store.FilePath()), text);
  EXPECT_EQ(QFileInfo(base.filePath("a/b/daolsae")).permissions() & 0x0077, 0);  // group, others: none
  EXPECT_EQ(QFileInfo(store.FilePath()).permissions() & 0x0077, 0);
  // A second save replaces the first; no temporary file is left beside it.
  ASSERT_TRUE(store.Save("second", &error));
  EXPECT_EQ(store.Load(), "second");
  EXPECT_EQ(QDir(base.filePath("a/b/daolsae")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(CollectedTextStore, ADamagedOrUnreadableFileIsSetAsideAndNothingIsRestored) {
  const struct {
    const char* name;
    QByteArray bytes;  // the file's content; "<dir>" or "<fifo>" for other kinds of file
  } cases[] = {
      {"not JSON", "just some text\n"},
      {"cut short", R"({"format": "daolsae collected text", "version": 1, "text": "abc)"},
      {"another format", R"({"format": "something else", "version": 1, "text": "abc"})"},
      {"a later version", R"({"format": "daolsae collected text", "version": 2, "text": "abc"})"},
      {"text not a string", R"({"format": "daolsae collected text", "version": 1, "text": 5})"},
      {"not UTF-8", "{\"format\": \"daolsae collected text\", \"version\": 1, \"text\": \"\xB3\xAA\"}"},
      {"empty", ""},
      {"a folder", "<dir>"},
      {"a named pipe", "<fifo>"},
  };
  for (const auto& c : cases) {
    QTemporaryDir base;
    CCollectedTextStore store(base.path());
    if (c.bytes == "<dir>") {
      ASSERT_TRUE(QDir(base.path()).mkdir("collected.json"));
    } else if (c.bytes == "<fifo>") {
      ASSERT_EQ(::mkfifo(store.FilePath().toLocal8Bit().constData(), 0600), 0);
    } else {
      WriteAll(store.FilePath(), c.bytes);
    }
    EXPECT_EQ(store.Load(), "") << c.name;
    const QString aside = store.SetAsidePath();
    ASSERT_FALSE(aside.isEmpty()) << c.name;
    EXPECT_TRUE(QFileInfo(aside).fileName().startsWith("collected.json.damaged-")) << c.name;
    EXPECT_TRUE(QFileInfo::exists(aside)) << c.name;
    if (!c.bytes.startsWith('<')) {
      EXPECT_EQ(ReadAll(aside), c.bytes) << c.name;  // kept as it was
    }
    // The next save starts a fresh file; the damaged one stays aside.
    QString error;
    EXPECT_TRUE(store.Save("fresh", &error)) << c.name << ": " << error.toStdString();
    EXPECT_EQ(store.Load(), "fresh") << c.name;
    EXPECT_TRUE(QFileInfo::exists(aside)) << c.name;
  }
}

TEST(CollectedTextStore, ASecondDamagedFileDoesNotReplaceTheFirst) {
  QTemporaryDir base;
  CCollectedTextStore store(base.path());
  WriteAll(store.FilePath(), "first");
  store.Load();
  const QString first = store.SetAsidePath();
  WriteAll(store.FilePath(), "second");
  store.Load();
  ASSERT_NE(store.SetAsidePath(), first);
  EXPECT_EQ(ReadAll(first), "first");
  EXPECT_EQ(ReadAll(store.SetAsidePath()), "second");
}

TEST(CollectedTextStore, AWriteThatCannotBeDoneSaysWhy) {
  QTemporaryDir base;
  WriteAll(base.filePath("blocker"), "a file where the folder should be");
  CCollectedTextStore store(base.filePath("blocker/daolsae"));
  QString error;
  EXPECT_FALSE(store.Save("text", &error));
  EXPECT_FALSE(error.isEmpty());
}

// ---- The keeper ------------------------------------------------------------------------

// "나 간다" / "I go" in two steps.
void WriteSmallDictionaries() {
  WriteLexicon("main.dex", {{"n", K("나"), "I", ""}, {"v", K("간다"), "go", ""}});
  WriteRules("gu.dex", {"n;@0@;zN;", "v;@0@;zV;"});
  WritePatterns("change.dex", {{",zN,zV,", "@0@ @1@"}});
  WriteEmptyDictionaries();
}

class CollectedTextKeeperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSmallDictionaries();
    m_host = std::make_unique<CQtDialogHost>(kInterpreterTemplate, &m_dlg);
    ASSERT_TRUE(m_dlg.Create(m_host.get()));
    ShowAndActivate(*m_host);
  }
  QPlainTextEdit* Box() const { return qobject_cast<QPlainTextEdit*>(m_host->Control(IDC_COLLECTED)); }
  std::unique_ptr<CCollectedTextKeeper> Keeper() {
    return std::make_unique<CCollectedTextKeeper>(*m_host, m_dlg.m_strCollected, CCollectedTextStore(m_state.path()));
  }
  QString StateFile() const { return m_state.filePath("collected.json"); }

  ScratchDir m_dir;
  QTemporaryDir m_state;
  CInterpreterDlg m_dlg;
  std::unique_ptr<CQtDialogHost> m_host;
};

TEST_F(CollectedTextKeeperTest, EveryChangeIsWrittenAMomentLaterAndAtTheEnd) {
  auto keeper = Keeper();
  keeper->Restore();
  EXPECT_FALSE(QFileInfo::exists(StateFile()));  // no change, no write
  FocusControl(Box());
  CommitText(Box(), Q("메모"));
  EXPECT_TRUE(keeper->HasPendingWrite());
  ASSERT_TRUE(QTest::qWaitFor([this] { return QFileInfo::exists(StateFile()); }, 5000));
  EXPECT_EQ(KeptText(StateFile()), "메모");
  EXPECT_FALSE(keeper->HasPendingWrite());

  // The program's own changes count too: a pair added to the box.
  for (const char* line : {"나;I;;", "간다;go;;"}) {
    auto* list = qobject_cast<QListView*>(m_host->Control(IDC_CANDIDATES));
    ClickListLine(list, static_cast<int>(ListLines(list).indexOf(Q(line))));
    QTest::mouseClick(m_host->Control(IDC_CONFIRM), Qt::LeftButton);
  }
  QTest::mouseClick(m_host->Control(IDC_ADD_SENTENCE), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([this] { return KeptText(StateFile()) != "메모"; }, 5000));
  EXPECT_EQ(KeptText(StateFile()), "메모나 간다\r\nI go\r\n\r\n");

  // A dictionary gone missing ends the program at once: its way out writes first.
  CommitText(Box(), Q("?"));
  CCollectedTextKeeper::WriteActiveNow();
  EXPECT_EQ(KeptText(StateFile()), "메모나 간다\r\nI go\r\n\r\n?");

  // A change right before the end is written by the end, not lost with the timer.
  CommitText(Box(), Q("!"));
  keeper.reset();
  EXPECT_EQ(KeptText(StateFile()), "메모나 간다\r\nI go\r\n\r\n?!");
  CCollectedTextKeeper::WriteActiveNow();  // no keeper runs: nothing happens
}

TEST_F(CollectedTextKeeperTest, RestorePutsTheKeptTextIntoTheBoxAndTheDialogWithoutAHandler) {
  QString error;
  ASSERT_TRUE(CCollectedTextStore(m_state.path()).Save("첫째\r\nfirst\r\n\r\n", &error));
  auto keeper = Keeper();
  keeper->Restore();
  EXPECT_EQ(Box()->toPlainText(), Q("첫째\nfirst\n\n"));
  EXPECT_EQ(U(m_dlg.m_strCollected), "첫째\r\nfirst\r\n\r\n");
  EXPECT_EQ(Box()->textCursor().position(), Box()->document()->characterCount() - 1);
  EXPECT_FALSE(keeper->HasPendingWrite());
  // The list selection was left alone (a handler would have selected the first line).
  EXPECT_TRUE(SelectedListLine(qobject_cast<QListView*>(m_host->Control(IDC_CANDIDATES))).isEmpty());
  // The next pair is appended to the restored text.
  m_dlg.m_strSentence = "a";
  m_dlg.m_strTranslation = "b";
  m_dlg.OnAddSentence();
  EXPECT_EQ(U(m_dlg.m_strCollected), "첫째\r\nfirst\r\n\r\na\r\nb\r\n\r\n");
}

TEST_F(CollectedTextKeeperTest, AWriteThatFailsIsSaidOnceAndTheBoxKeepsItsText) {
  WriteAll(m_state.filePath("blocker"), "x");
  CCollectedTextKeeper keeper(*m_host, m_dlg.m_strCollected, CCollectedTextStore(m_state.filePath("blocker/d")));
  FocusControl(Box());
  ::testing::internal::CaptureStderr();
  CommitText(Box(), Q("a"));
  keeper.WriteNow();
  CommitText(Box(), Q("b"));
  keeper.WriteNow();
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("cannot keep the collected text"), std::string::npos) << said;
  EXPECT_EQ(said.find("cannot keep", said.find("cannot keep") + 1), std::string::npos) << said;  // once
  EXPECT_EQ(Box()->toPlainText(), Q("ab"));
  EXPECT_TRUE(keeper.HasPendingWrite());
}

// ---- Two runs of the program -----------------------------------------------------------

// Runs the program's start-up once; `act` runs on the shown window, which is then closed
// with Escape or its close box.
void RunProgramOnce(const std::function<void(QDialog*)>& act, bool escape) {
  QTimer::singleShot(0, [&act, escape] {
    auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    act(window);
    if (escape) {
      window->findChild<QWidget*>("control1028")->setFocus();
      QTest::keyClick(window->findChild<QWidget*>("control1028"), Qt::Key_Escape);
    } else {
      window->close();
    }
  });
  EXPECT_FALSE(theApp.InitInstance());
}

TEST(CollectedTextAcrossRuns, EscapeOrTheCloseBoxLosesNothingAndTheNextStartBringsItBack) {
  ScratchDir dir;
  WriteSmallDictionaries();
  QTemporaryDir state;
  ScopedEnvironment environment("XDG_STATE_HOME", state.path().toLocal8Bit());
  const QString file = state.filePath("daolsae/collected.json");

  // Typed, then Escape at once: the text is written at close.
  RunProgramOnce([](QDialog* window) {
    auto* box = window->findChild<QPlainTextEdit*>("control1020");
    box->setFocus();
    CommitText(box, Q("아홉 문장"));
  }, true);
  EXPECT_EQ(KeptText(file), "아홉 문장");

  QString seen;
  RunProgramOnce([&seen](QDialog* window) {
    auto* box = window->findChild<QPlainTextEdit*>("control1020");
    seen = box->toPlainText();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    CommitText(box, Q(" 더"));
  }, false);
  EXPECT_EQ(seen, Q("아홉 문장"));
  EXPECT_EQ(KeptText(file), "아홉 문장 더");

  // A damaged file: the program starts with an empty box and keeps the file aside.
  WriteAll(file, "{broken");
  RunProgramOnce([&seen](QDialog* window) { seen = window->findChild<QPlainTextEdit*>("control1020")->toPlainText(); },
                 false);
  EXPECT_EQ(seen, QString());
  QStringList aside = QDir(state.filePath("daolsae")).entryList({"collected.json.damaged-*"});
  ASSERT_EQ(aside.size(), 1);
  EXPECT_EQ(ReadAll(state.filePath("daolsae/") + aside.first()), "{broken");
}

}  // namespace
