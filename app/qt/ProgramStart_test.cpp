// The desktop program started as a process: --help and --version without a window
// system, arguments it does not know, a missing dictionary said on standard error; and
// the window's geometry at the screen scale factors users run it at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <memory>

#include "app/InterpreterDlg.h"
#include "app/qt/DesktopWindow.h"
#include "app/qt/DevicePixels.h"
#include "app/qt/MissingDictionaryReport.h"
#include "app/qt/QtDialogHost.h"
#include "app/qt/QtTestSupport.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"

namespace {

struct ProgramRun {
  int nStatus = -1;
  QString strOut;
  QString strErr;
};

// Runs `program` in `folder` with the environment changed by `set` (an empty value
// removes the variable).
ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder,
               const std::vector<std::pair<QString, QString>>& set) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : set) {
    if (value.isEmpty())
      environment.remove(name);
    else
      environment.insert(name, value);
  }
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  ProgramRun run;
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.nStatus = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.strOut = QString::fromUtf8(process.readAllStandardOutput());
  run.strErr = QString::fromUtf8(process.readAllStandardError());
  return run;
}

const QString kProgram = QStringLiteral(DAOLSAE_PROGRAM);

TEST(ProgramCommandLine, HelpAndVersionAnswerWithoutAWindowSystem) {
  QTemporaryDir empty;  // no dictionaries: the program must not even look for them
  // No display and no platform: a window could not open.
  const std::vector<std::pair<QString, QString>> noWindows = {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""},
                                                              {"QT_QPA_PLATFORM", ""}};
  const struct {
    const char* argument;
    const char* expected;
  } cases[] = {
      {"--help", "Usage: daolsae [--help | --version]"},
      {"-h", "Usage: daolsae"},
      {"--version", "daolsae " DAOLSAE_VERSION "\n"},
      {"-v", "daolsae " DAOLSAE_VERSION "\n"},
  };
  for (const auto& c : cases) {
    ProgramRun run = RunProgram(kProgram, {QString::fromLatin1(c.argument)}, empty.path(), noWindows);
    EXPECT_EQ(run.nStatus, 0) << c.argument << run.strErr.toStdString();
    EXPECT_TRUE(run.strOut.startsWith(QString::fromUtf8(c.expected))) << c.argument << run.strOut.toStdString();
    EXPECT_EQ(run.strErr, QString()) << c.argument;
  }
  ProgramRun help = RunProgram(kProgram, {"--help"}, empty.path(), noWindows);
  for (const char* word : {"daolsae-launcher", "main.dex", "collected.json", "--version"})
    EXPECT_TRUE(help.strOut.contains(QString::fromLatin1(word))) << word;
}

TEST(ProgramCommandLine, AnUnknownArgumentIsRefusedWithoutAWindow) {
  QTemporaryDir empty;
  ProgramRun run = RunProgram(kProgram, {"--frobnicate"}, empty.path(), {{"QT_QPA_PLATFORM", "offscreen"}});
  EXPECT_EQ(run.nStatus, 2);
  EXPECT_TRUE(run.strErr.contains("unknown argument '--frobnicate'")) << run.strErr.toStdString();
  EXPECT_TRUE(run.strErr.contains("--help"));
  // Qt's own options are Qt's.
  ProgramRun qtOption = RunProgram(kProgram, {"-platform", "offscreen"}, empty.path(), {{"QT_QPA_PLATFORM", ""}});
  EXPECT_EQ(qtOption.nStatus, 1);  // it started, then found no dictionary
  EXPECT_FALSE(qtOption.strErr.contains("unknown argument"));
}

TEST(ProgramStart, AMissingDictionaryIsNamedWithItsFolderAndHowToStart) {
  ScratchDir dir;
  WriteEmptyDictionaries();
  // Files that the start opens: the first and the last one it reads.
  const struct {
    const char* missing;
  } cases[] = {{"main.dex"}, {"ekgu.dex"}};
  for (const auto& c : cases) {
    const std::string bytes = ReadBytes(c.missing);
    RemoveFile(c.missing);
    ProgramRun run = RunProgram(kProgram, {}, QString::fromStdString(dir.Path()), {{"QT_QPA_PLATFORM", "offscreen"}});
    WriteBytes(c.missing, bytes);
    EXPECT_EQ(run.nStatus, 1) << c.missing;
    const QString folder = QDir(QString::fromStdString(dir.Path())).canonicalPath();
    // Qt may warn about the environment before it, a leak checker report after it.
    EXPECT_TRUE(run.strErr.contains(QString::fromStdString(MissingDictionaryText(c.missing, folder.toStdString()))))
        << c.missing << ": " << run.strErr.toStdString();
    EXPECT_EQ(run.strOut, QString()) << c.missing;
  }
  EXPECT_NE(MissingDictionaryText("x.dex", "/f").find("daolsae-launcher"), std::string::npos);
}

// ---- Geometry at several scale factors -------------------------------------------------

// Every control wholly inside the window and apart from the others, in device pixels
// of the scale factor this process runs at; the window drawn shows each edit box's
// frame on all four sides.
TEST(WindowGeometryAtThisScale, EveryControlIsWhollyInsideTheWindow) {
  ScratchDir dir;
  WriteEmptyDictionaries();
  CInterpreterDlg dlg;
  CQtDialogHost host(kInterpreterTemplate, &dlg);
  PrepareDesktopWindow(host, QLocale());
  ASSERT_TRUE(dlg.Create(&host));
  ShowAndActivate(host);
  QDialog* window = host.Window();
  const qreal ratio = window->devicePixelRatioF();
  const QRect inside = window->rect();
  std::vector<std::pair<int, QRect>> placed;
  for (const ControlTemplate& control : kInterpreterTemplate.controls) {
    QWidget* widget = host.Control(control.nId);
    const QRect rect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    EXPECT_TRUE(inside.contains(rect)) << control.nId << " at scale " << ratio;
    // Device pixels: the far edges still fall on the window's pixels.
    EXPECT_LE(std::ceil((rect.right() + 1) * ratio), std::floor(inside.width() * ratio)) << control.nId;
    EXPECT_LE(std::ceil((rect.bottom() + 1) * ratio), std::floor(inside.height() * ratio)) << control.nId;
    for (const auto& [other, otherRect] : placed)
      EXPECT_FALSE(rect.intersects(otherRect)) << control.nId << " overlaps " << other << " at scale " << ratio;
    placed.emplace_back(control.nId, rect);
  }
  // The frame of every edit box and of the list is drawn whole: on each of its four
  // sides, the device pixels of its outermost logical pixel hold a line darker than
  // both the window's background and the box's white inside.
  const QImage image = window->grab().toImage();
  if (qEnvironmentVariableIsSet("DAOLSAE_GEOMETRY_PICTURE")) image.save(qEnvironmentVariable("DAOLSAE_GEOMETRY_PICTURE"));
  const int backgroundGray = qGray(image.pixel(1, 1));
  constexpr int kFrameContrast = 16;
  // Whether the device pixels covering logical rows y0..y1 and columns x0..x1 hold a line.
  auto drawn = [&](int x0, int x1, int y0, int y1) {
    const int left = static_cast<int>(std::floor(x0 * ratio));
    const int right = std::min(image.width(), static_cast<int>(std::ceil((x1 + 1) * ratio)));
    const int top = static_cast<int>(std::floor(y0 * ratio));
    const int bottom = std::min(image.height(), static_cast<int>(std::ceil((y1 + 1) * ratio)));
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (qGray(image.pixel(x, y)) < backgroundGray - kFrameContrast) return true;
    return false;
  };
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH, IDC_CANDIDATES}) {
    const QRect r = host.Control(id)->geometry();
    const int midX = r.center().x();
    const int midY = r.center().y();
    EXPECT_TRUE(drawn(midX, midX, r.top(), r.top())) << id << ": top edge at scale " << ratio;
    EXPECT_TRUE(drawn(midX, midX, r.bottom(), r.bottom())) << id << ": bottom edge at scale " << ratio;
    EXPECT_TRUE(drawn(r.left(), r.left(), midY, midY)) << id << ": left edge at scale " << ratio;
    EXPECT_TRUE(drawn(r.right(), r.right(), midY, midY)) << id << ": right edge at scale " << ratio;
  }
}

TEST(WindowGeometry, EdgesSnapToTheNearestWholeDevicePixelInOrder) {
  const struct {
    double ratio;
    int logical;
    int snapped;
  } cases[] = {
      {1.0, 7, 7},   {2.0, 7, 7},     // whole ratios: every pixel is whole
      {1.5, 8, 8},   {1.5, 7, 6},     // 1.5: even pixels; a tie goes down
      {1.25, 9, 8},  {1.25, 6, 4},    // 1.25: multiples of four
      {1.25, 7, 8},  {1.1, 5, 5},     // none within reach: unchanged
  };
  for (const auto& c : cases)
    EXPECT_EQ(SnapToDevicePixel(c.logical, c.ratio), c.snapped) << c.ratio << " " << c.logical;
  // Snapping keeps the order of edges, so that controls apart stay apart.
  for (double ratio : {1.25, 1.5, 1.75})
    for (int x = 0; x < 100; ++x) EXPECT_LE(SnapToDevicePixel(x, ratio), SnapToDevicePixel(x + 1, ratio)) << ratio << " " << x;
  EXPECT_EQ(SnapToDevicePixels(QRect(7, 7, 10, 10), 1.5), QRect(6, 6, 11, 11));  // far edges: the last pixel
}

TEST(WindowGeometry, EveryControlIsWhollyInsideTheWindowAtEveryScaleFactor) {
  for (const char* factor : {"1", "1.25", "1.5", "2"}) {
    ProgramRun run = RunProgram(QCoreApplication::applicationFilePath(),
                         {"--gtest_filter=WindowGeometryAtThisScale.*", "--gtest_brief=0"}, QDir::currentPath(),
                         {{"QT_SCALE_FACTOR", QString::fromLatin1(factor)}, {"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(run.nStatus, 0) << "scale " << factor << "\n" << run.strOut.toStdString();
    EXPECT_TRUE(run.strOut.contains("[  PASSED  ] 1 test")) << "scale " << factor << "\n" << run.strOut.toStdString();
  }
}

}  // namespace
