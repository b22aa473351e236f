#include "core/Startup.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "audio/SoundDevice.h"
#include "base/ErrorLog.h"
#include "base/ErrorLogFile.h"
#include "base/EventDispatch.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "base/Stop.h"
#include "core/FrameLoop.h"
#include "core/ServiceStep.h"
#include "core/StartupWatch.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/Fonts.h"
#include "gfx2d/renderer/RendererFace.h"
#include "input/InputSetup.h"
#include "net/NetworkObject.h"
#include "os/Clock.h"
#include "os/Paths.h"
#include "os/Window.h"
#include "scene3d/Radazuri3D.h"
#include "text/Latin1Text.h"
#include "text/NumberText.h"
#include "text/Random.h"

namespace zentoir {
namespace {

void SetFrameStamps(double now) {
  RuntimeContext& rt = Runtime();
  rt.startTime = rt.currentFrameTime = rt.previousFrameTime = now;
}

void EnterProgramDirectory() {
  os::ChangeDirectory(std::string(ProgramDirectory().View()));
}

bool WindowedRequestedByEnvironment() {
  const char* value = std::getenv("ZENTOIR_WINDOWED");
  return value && *value && std::strcmp(value, "0") != 0;
}

[[noreturn]] void StopWithoutWindow() {
  std::string line = "No OpenGL window could be created";
  const std::string reason = os::LastVideoError();
  if (!reason.empty()) line += " (" + reason + ")";
  AppendErrorLog(line);
  std::fprintf(stderr, "%s\n", line.c_str());
  StopWithError(kErrorNoWindow);
}

uint32_t ClockSeed(double now) {
  return static_cast<uint32_t>(static_cast<uint64_t>(now));
}

// The window with its title; the screen saver is kept off while it is open.
bool OpenTitledWindow(const StartupSettings& s, const DynString& title) {
  if (!CreateRenderer(s.screenWidth, s.screenHeight, s.frameRateLimit, s.multisampleLevel)) {
    return false;
  }
  RuntimeContext& rt = Runtime();
  AddShutdownStep(ShutdownStage::RestoreDirectory, EnterProgramDirectory);
  rt.titleCopy = Utf8FromLatin1(title.View());
  os::SetWindowTitle(rt.mainWindow, rt.titleCopy.c_str());
  os::KeepScreenSaverOff();
  return true;
}

// Both archive slots start with the program's directory.
void SetUpResourceArchives() {
  CreateArchiveSlots();
  const DynString directory = ProgramDirectory();
  SetResourceArchives(directory, directory);
}

// The built-in font and "smalfont.bmp" into font slot 0, "Loading..." in the middle.
void ShowLoadingText() {
  LoadFont("", 0);
  LoadFont("smalfont.bmp", 0);
  double screenWidth, screenHeight, cellWidth, cellHeight;
  GetScreenSize(screenWidth, screenHeight);
  GetFontSize(cellWidth, cellHeight);
  const DynString text("Loading...");
  PrintText(text, (screenWidth - double(text.View().size()) * cellWidth) * 0.5,
            (screenHeight - cellHeight) * 0.5);
}

// A first frame: cleared, shown, and the "Loading..." text while the game loads.
void ShowLoadingScreen() {
  SetFrameStamps(os::MonotonicMs());
  ShowBlankRendererFrame(ServeEvents);
  ShowLoadingText();
  PresentFrame();
}

}  // namespace

double InitRuntime(const DynString& /*commandLine*/, double showCommand, const DynString& title) {
  RuntimeContext& rt = Runtime();
  StartupSettings& settings = Settings();
  if (rt.mainWindow) return 0;  // already running
  ConnectInput();
  rt.autoPause = 1;
  rt.debugMode = settings.debugMode;
  if (WindowedRequestedByEnvironment()) rt.keepWindowed = 1;
  // The old log goes before the window is made, so that the window's own lines (the
  // software-rendering warning) are kept.
  RemoveErrorLog();
  if (!OpenTitledWindow(settings, title)) StopWithoutWindow();
  AnnounceStartupStep(StartupStep::CreateDevices);
  CreateInput();
  AnnounceStartupStep(StartupStep::CreateNetwork);
  CreateNetworkObject();  // closed at shutdown after each local player's leave
  CreateScene();
  SetRandomSeed(ClockSeed(os::MonotonicMs()));
  SetRendererScreenMode(0, 0, settings.fullScreen != 0 && !rt.keepWindowed ? 1 : 0);
  AnnounceStartupStep(StartupStep::InitDevices);
  InitSoundDevice();
  InitInputDevices();
  SelectFont(0);
  EnterProgramDirectory();
  AnnounceStartupStep(StartupStep::ResourceArchives);
  SetUpResourceArchives();
  ShowLoadingScreen();
  rt.paused = 0;
  SetFrameStamps(os::MonotonicMs());
  if (TruncateToInt32(showCommand) == 0) HideRendererWindow();
  AnnounceStartupStep(StartupStep::CursorMode);
  ApplyStartCursorMode();
  std::fputs("Init OK\n", stdout);
  std::fflush(stdout);
  return 0;
}

void SetAutoPause(double flag) {
  Runtime().autoPause = flag != 0 ? 1 : 0;
}

void SetEscapeEnds(double flag) {
  Runtime().escapeEnds = flag != 0 ? 1 : 0;
}

void SetKeepWindowed(double flag) {
  Runtime().keepWindowed = flag != 0 ? 1 : 0;
}

DynString ProgramDirectory() {
  const std::string path = os::ExecutablePath();
  const size_t cut = path.find_last_of("/\\");
  if (cut == std::string::npos) return DynString();
  return DynString(std::string_view(path).substr(0, cut == 0 ? 1 : cut));
}

}  // namespace zentoir
