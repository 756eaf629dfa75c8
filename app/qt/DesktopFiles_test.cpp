// What `cmake --install` puts on a desktop: the program and its launcher, the menu
// entry, the icons and the AppStream metadata, each checked by the desktop's own
// validators; and the launcher, which must start the program in its dictionaries folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QString kAppId = QStringLiteral(DAOLSAE_APP_ID);

// Whether the build found the tool (CMake leaves "...-NOTFOUND" otherwise).
bool Found(const QString& tool) { return !tool.isEmpty() && !tool.endsWith(QStringLiteral("NOTFOUND")); }

struct RunResult {
  int nExitCode;
  QString strOutput;
};

RunResult RunTool(const QString& program, const QStringList& arguments, const QString& workingDir = QString()) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return {-1, QStringLiteral("did not finish: ") + program};
  QString output = QString::fromUtf8(process.readAll());
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, output};
}

void WriteExecutable(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  file.close();
  file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// Installs the whole build once into a scratch prefix, shared by the tests below.
class InstalledTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_prefix = new QTemporaryDir();
    RunResult result = RunTool(QStringLiteral(CMAKE_COMMAND_PATH),
                           {"--install", DAOLSAE_BINARY_DIR, "--prefix", s_prefix->path()});
    s_installed = result.nExitCode == 0;
    s_output = new QString(result.strOutput);
  }
  static void TearDownTestSuite() {
    delete s_prefix;
    delete s_output;
  }
  void SetUp() override { ASSERT_TRUE(s_installed) << s_output->toStdString(); }

  static QString Path(const QString& relative) { return s_prefix->path() + "/" + relative; }

  static QTemporaryDir* s_prefix;
  static QString* s_output;
  static bool s_installed;
};
QTemporaryDir* InstalledTree::s_prefix = nullptr;
QString* InstalledTree::s_output = nullptr;
bool InstalledTree::s_installed = false;

TEST_F(InstalledTree, HoldsTheProgramItsLauncherMenuEntryIconsAndMetadata) {
  for (const QString& program : {QStringLiteral("bin/daolsae"), QStringLiteral("bin/daolsae-launcher")}) {
    QFileInfo info(Path(program));
    EXPECT_TRUE(info.isFile() && info.isExecutable()) << program.toStdString();
  }
  QImage png(Path("share/icons/hicolor/48x48/apps/" + kAppId + ".png"));
  EXPECT_EQ(png.size(), QSize(48, 48));
  QFile svg(Path("share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
  EXPECT_TRUE(QFileInfo::exists(Path("share/metainfo/" + kAppId + ".metainfo.xml")));

  QSettings entry(Path("share/applications/" + kAppId + ".desktop"), QSettings::IniFormat);
  entry.beginGroup(QStringLiteral("Desktop Entry"));
  EXPECT_EQ(entry.value("Exec").toString(), QStringLiteral("daolsae-launcher"));
  EXPECT_EQ(entry.value("Icon").toString(), kAppId);
  EXPECT_EQ(entry.value("Type").toString(), QStringLiteral("Application"));
}

TEST_F(InstalledTree, MenuEntryPassesDesktopFileValidate) {
  if (!Found(QStringLiteral(DESKTOP_FILE_VALIDATE))) GTEST_SKIP() << "desktop-file-validate is not installed";
  RunResult result = RunTool(QStringLiteral(DESKTOP_FILE_VALIDATE), {Path("share/applications/" + kAppId + ".desktop")});
  EXPECT_EQ(result.nExitCode, 0) << result.strOutput.toStdString();
  EXPECT_TRUE(result.strOutput.trimmed().isEmpty()) << result.strOutput.toStdString();  // not even hints
}

TEST_F(InstalledTree, MetadataPassesAppstreamValidation) {
  if (!Found(QStringLiteral(APPSTREAMCLI))) GTEST_SKIP() << "appstreamcli is not installed";
  RunResult result =
      RunTool(QStringLiteral(APPSTREAMCLI), {"validate", "--no-net", Path("share/metainfo/" + kAppId + ".metainfo.xml")});
  EXPECT_EQ(result.nExitCode, 0) << result.strOutput.toStdString();
}

// The installed launcher beside a stand-in program that reports where it was started.
TEST_F(InstalledTree, LauncherStartsTheProgramInTheDictionariesFolder) {
  QTemporaryDir tree;
  ASSERT_TRUE(QDir(tree.path()).mkpath("bin"));
  ASSERT_TRUE(QDir(tree.path()).mkpath("share/daolsae/dictionaries"));
  ASSERT_TRUE(QFile::copy(Path("bin/daolsae-launcher"), tree.path() + "/bin/daolsae-launcher"));
  WriteExecutable(tree.path() + "/bin/daolsae", "#!/bin/sh\necho \"$(pwd -P) $#\"\n");
  QString dictionaries = QFileInfo(tree.path() + "/share/daolsae/dictionaries").canonicalFilePath();

  RunResult direct = RunTool(tree.path() + "/bin/daolsae-launcher", {}, QDir::rootPath());
  EXPECT_EQ(direct.nExitCode, 0) << direct.strOutput.toStdString();
  EXPECT_EQ(direct.strOutput.trimmed(), dictionaries + " 0");

  // Started through a link elsewhere, as a menu may do.
  ASSERT_TRUE(QFile::link(tree.path() + "/bin/daolsae-launcher", tree.path() + "/link"));
  RunResult linked = RunTool(tree.path() + "/link", {}, QDir::rootPath());
  EXPECT_EQ(linked.strOutput.trimmed(), dictionaries + " 0");

  // Without its dictionaries folder it fails instead of starting the program elsewhere.
  ASSERT_TRUE(QDir(tree.path() + "/share/daolsae/dictionaries").removeRecursively());
  RunResult missing = RunTool(tree.path() + "/bin/daolsae-launcher", {}, QDir::rootPath());
  EXPECT_NE(missing.nExitCode, 0);
  EXPECT_FALSE(missing.strOutput.contains(" 0"));
}

// The program itself, started where no dictionaries are: it ends with status 1.
TEST(InstalledProgram, EndsWithStatusOneWithoutDictionaries) {
  QTemporaryDir empty;
  QProcess process;
  process.setWorkingDirectory(empty.path());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(DAOLSAE_PROGRAM), {});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
}

}  // namespace
