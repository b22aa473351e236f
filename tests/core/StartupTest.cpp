#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "core/RuntimeChild.h"
#include "core/StartupWatch.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/renderer/Renderer.h"
#include "gfx2d/renderer/SoftwareWarning.h"
#include "os/Environment.h"
#include "os/Paths.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using ::testing::ExitedWithCode;
using testing::StartRuntime;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { testing::UseHeadlessVideo(); }
  std::string LogPath() const { return tmp_.Path() + "ErrorLog.txt"; }
  // In the child: notes whether the context renders in software, so the parent knows
  // how many warning lines the log must hold.
  void NoteRendererKind() const {
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    testing::WriteFileBytes(tmp_.Path() + "renderer",
                            IsSoftwareRendererName(name) ? "software" : "hardware");
  }
  // 1 under a software rasteriser, else 0.
  size_t ExpectedWarnings() const {
    const std::string kind = testing::ReadFileBytes(tmp_.Path() + "renderer");
    EXPECT_TRUE(kind == "software" || kind == "hardware") << "the child did not say";
    return kind == "software" ? 1 : 0;
  }
  size_t WarningLines() const {
    const std::string log = testing::ReadFileBytes(LogPath());
    size_t count = 0;
    for (size_t at = 0; (at = log.find("OpenGL Software Emulation\r\n", at)) != std::string::npos;
         ++at)
      ++count;
    return count;
  }
  testing::ScopedTempDir tmp_;
};

void Print(const char* label) {
  std::fprintf(stderr, "[%s]", label);
  std::fflush(stderr);  // in its place before "Init OK" also where stderr is buffered
}

// The same folder, whichever separators the names use ('\\' too on Windows).
bool SameFolder(const std::string& a, const std::string& b) {
  return std::filesystem::path(a) == std::filesystem::path(b);
}

// The loading screen is what puts a font into slot 0.
bool LoadingScreenShown() {
  double cellWidth = 0, cellHeight = 0;
  GetFontSize(cellWidth, cellHeight);
  return cellWidth > 0;
}

TEST_F(Startup, PrintsInitOkAndStartsAFreshErrorLog) {
  ASSERT_TRUE(testing::WriteFileBytes(LogPath(), "line of an earlier run\r\n"));
  EXPECT_EXIT(
      {
        StartRuntime();
        NoteRendererKind();
        StopProgram();
      },
      ExitedWithCode(0), "Init OK\n");
  const std::string log = testing::ReadFileBytes(LogPath());
  EXPECT_EQ(log.find("earlier run"), std::string::npos);
  // Under a software rasteriser the warning is the one line of this run, written once.
  EXPECT_EQ(log, ExpectedWarnings() == 1 ? "OpenGL Software Emulation\r\n" : "");
}

TEST_F(Startup, SoftwareWarningIsGivenOncePerProcess) {
  EXPECT_EXIT(
      {
        StartRuntime();
        NoteRendererKind();
        OpenGLRadazuri& renderer = *Renderer();
        renderer.DestroyGameWindow();
        if (renderer.CreateGameWindow(320, 200, 0, 0, 0) == 1) Print("recreated");
        StopProgram();
      },
      ExitedWithCode(0), "recreated");
  EXPECT_EQ(WarningLines(), ExpectedWarnings());
}

void PrintStartupStep(StartupStep step) {
  switch (step) {
    case StartupStep::CreateDevices:
      return Print("devices");
    case StartupStep::CreateNetwork:
      return Print("network");
    case StartupStep::InitDevices:
      return Print("init devices");
    case StartupStep::ResourceArchives: {
      const bool inProgramDir =
          SameFolder(os::CurrentDirectory(), std::string(ProgramDirectory().View()) + "/");
      Print(inProgramDir ? "archives in program dir" : "archives elsewhere");
      if (LoadingScreenShown()) Print("loading too early");
      return;
    }
    case StartupStep::CursorMode:
      if (LoadingScreenShown()) Print("loading");
      return Print("cursor");
  }
}

TEST_F(Startup, TakesTheSubsystemStepsInStartupOrder) {
  EXPECT_EXIT(
      {
        WatchStartup(PrintStartupStep);
        StartRuntime();
        StopProgram();
      },
      ExitedWithCode(0),
      "\\[devices\\]\\[network\\]\\[init devices\\]\\[archives in program dir\\]"
      "\\[loading\\]\\[cursor\\]Init OK");
}

TEST_F(Startup, ProgramDirectoryBecomesCurrentWhereverItStarted) {
  const std::string programDir =
      std::filesystem::path(os::ExecutablePath()).parent_path().string() + "/";
  EXPECT_EXIT(
      {
        ASSERT_TRUE(os::ChangeDirectory(tmp_.Path()));
        StartRuntime();
        if (SameFolder(os::CurrentDirectory(), programDir)) Print("at start");
        ASSERT_TRUE(os::ChangeDirectory(tmp_.Path()));
        AddShutdownStep(ShutdownStage::Archives, [] {
          Print(SameFolder(os::CurrentDirectory(), std::string(ProgramDirectory().View()) + "/")
                    ? "at shutdown"
                    : "elsewhere at shutdown");
        });
        StopProgram();
      },
      ExitedWithCode(0), "\\[at start\\].*\\[at shutdown\\]");
}

// Hiding takes the focus away; a hidden window must not pause for that, or it would
// never draw a frame again.
TEST_F(Startup, ShowCommandZeroKeepsTheWindowHiddenAndRunning) {
  EXPECT_EXIT(
      {
        StartRuntime("Hidden", 0);
        testing::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        PresentFrame();
        const Uint32 flags = SDL_GetWindowFlags(Runtime().mainWindow);
        Print(flags & SDL_WINDOW_HIDDEN ? "hidden" : "shown");
        Print(Runtime().paused ? "paused" : "running");
        StopProgram();
      },
      ExitedWithCode(0), "\\[hidden\\]\\[running\\]");
}

// Titles are Latin-1 like every text; the window shows them whole, pause mark included.
TEST_F(Startup, Latin1TitleIsShownWhole) {
  EXPECT_EXIT(
      {
        StartRuntime("Spa\xDF f\xFCr M\xFCller");
        if (std::string(testing::CurrentTitle()) == "Spa\xC3\x9F f\xC3\xBCr M\xC3\xBCller") {
          Print("whole");
        }
        testing::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        PumpMessages();
        if (std::string(testing::CurrentTitle()) ==
            "Spa\xC3\x9F f\xC3\xBCr M\xC3\xBCller <pause>") {
          Print("paused whole");
        }
        StopProgram();
      },
      ExitedWithCode(0), "\\[whole\\]\\[paused whole\\]");
}

TEST_F(Startup, WindowWithTitleAndContextExtensions) {
  EXPECT_EXIT(
      {
        StartRuntime("Pindrake");
        const OpenGLRadazuri& renderer = *Renderer();
        if (std::string(testing::CurrentTitle()) == "Pindrake") Print("title");
        if (renderer.ScreenWidth() == 800 && renderer.ScreenHeight() == 600) Print("800x600");
        if (renderer.HasGLExtension("GL_ARB_multitexture") && GLExtensions().glActiveTextureARB) {
          Print("multitexture");
        }
        if (!renderer.HasGLExtension("GL_ARB_multi")) Print("no prefix");
        if (GLExtensions().glBindFramebufferEXT) Print("framebuffers");
        StopProgram();
      },
      ExitedWithCode(0),
      "\\[title\\]\\[800x600\\]\\[multitexture\\]\\[no prefix\\]\\[framebuffers\\]");
}

TEST_F(Startup, MultisampleRequestFallsBackToAFormatTheDisplayHas) {
  EXPECT_EXIT(
      {
        Settings().multisampleLevel = 8;
        StartRuntime();
        const int level = Renderer()->MultisampleLevel();
        const bool halvedOrPlain =
            level == 0 || level == 1 || level == 2 || level == 4 || level == 8;
        if (halvedOrPlain && level == os::CurrentSampleCount()) Print("samples match");
        PresentFrame();
        StopProgram();
      },
      ExitedWithCode(0), "samples match");
}

TEST_F(Startup, NoWindowEndsCleanlyWithALogLine) {
  os::SetEnvironmentValue("SDL_VIDEODRIVER", "dummy", true);  // a driver without OpenGL
  EXPECT_EXIT(
      {
        StartRuntime();
        Print("carried on");
      },
      ExitedWithCode(1), "No OpenGL window could be created \\(.+\\)\n$");
  EXPECT_NE(testing::ReadFileBytes(LogPath()).find("No OpenGL window could be created"),
            std::string::npos);
}

}  // namespace
}  // namespace zentoir
