#include "XServer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace zentoir::testing {
namespace {

std::vector<char*> ArgvOf(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Starts a program (searched on PATH) with its standard output and error on the
// descriptors given. The system sends it `deathSignal` should this process die first,
// killed by a time limit say, so that no server or game outlives the test.
pid_t SpawnTied(const std::vector<std::string>& args, int output, int errors, int deathSignal) {
  auto argv = ArgvOf(args);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // Only calls that are safe in the child of a threaded process, up to the exec.
  if (prctl(PR_SET_PDEATHSIG, deathSignal) != 0 || getppid() != parent) _exit(127);
  if (dup2(output, STDOUT_FILENO) < 0 || dup2(errors, STDERR_FILENO) < 0) _exit(127);
  execvp(argv[0], argv.data());
  _exit(127);
}

}  // namespace

// Starts Xvfb on one display number; the server writes the number to its standard
// output once it accepts connections, or exits when the number is taken.
bool XServer::StartOn(int number, const std::string& screen) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
  pid_ = SpawnTied({"Xvfb", ":" + std::to_string(number), "-displayfd", "1", "-screen", "0", screen,
                    "-nolisten", "tcp"},
                   fds[1], quiet, SIGTERM);
  close(quiet);
  close(fds[1]);
  char buffer[32] = {};
  const ssize_t n = pid_ > 0 ? read(fds[0], buffer, sizeof buffer - 1) : 0;
  if (n > 0 && std::atoi(buffer) == number) {
    display_ = ":" + std::to_string(number);
    outputFd_ = fds[0];  // kept open: a server writing to a closed pipe would die
    return true;
  }
  close(fds[0]);
  if (pid_ > 0) waitpid(pid_, nullptr, 0);
  pid_ = -1;
  return false;
}

// Display numbers are drawn from a range that other X servers on a shared machine
// (which count up from 0 or 99) rarely use.
XServer::XServer(int width, int height) {
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  std::srand(static_cast<unsigned>(getpid()));
  for (int attempt = 0; attempt < 20 && display_.empty(); ++attempt) {
    StartOn(300 + std::rand() % 600, screen);
  }
}

XServer::~XServer() {
  if (outputFd_ >= 0) close(outputFd_);
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

void UseDisplay(const std::string& display) {
  setenv("SDL_VIDEODRIVER", "x11", 1);
  setenv("DISPLAY", display.c_str(), 1);
  setenv("ZENTOIR_NO_MESSAGE_BOX", "1", 1);
  unsetenv("ZENTOIR_WINDOWED");
}

pid_t StartProgram(const std::vector<std::string>& args, const std::string& display,
                   const std::string& outputFile) {
  const int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (output < 0) return -1;
  setenv("DISPLAY", display.c_str(), 1);
  const pid_t pid = SpawnTied(args, output, output, SIGKILL);
  close(output);
  return pid;
}

int WaitForExit(pid_t pid, int seconds) {
  for (int waited = 0; waited < seconds * 20; ++waited) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    usleep(50000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

bool HasExited(pid_t pid, int& code) {
  int status = 0;
  if (waitpid(pid, &status, WNOHANG) != pid) return false;
  code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
  for (int waited = 0; waited < seconds * 20; ++waited) {
    if (condition()) return true;
    usleep(50000);
  }
  return condition();
}

std::string FindWindow(const std::string& display, const std::string& namePattern, double seconds,
                       const std::function<bool()>& giveUp) {
  std::string window;
  WaitUntil(
      [&] {
        window = XDoTool(display, "search --name '" + namePattern + "'");
        window = window.substr(0, window.find('\n'));
        return !window.empty() || (giveUp && giveUp());
      },
      seconds);
  return window;
}

namespace {
// A window that is gone between the search and the capture is no reason to end the test.
int IgnoreXError(::Display*, XErrorEvent*) {
  return 0;
}
}  // namespace

std::vector<unsigned long> WindowIcon(const std::string& display, const std::string& window) {
  std::vector<unsigned long> icon;
  ::Display* x = XOpenDisplay(display.c_str());
  if (!x) return icon;
  XSetErrorHandler(IgnoreXError);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const Window id = std::strtoul(window.c_str(), nullptr, 10);
  if (XGetWindowProperty(x, id, XInternAtom(x, "_NET_WM_ICON", False), 0, 1 << 20, False,
                         XA_CARDINAL, &type, &format, &count, &remaining, &data) == Success &&
      data && format == 32) {
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    icon.assign(values, values + count);
  }
  if (data) XFree(data);
  XCloseDisplay(x);
  return icon;
}

WindowPixels CaptureWindow(const std::string& display, const std::string& window) {
  WindowPixels pixels;
  ::Display* x = XOpenDisplay(display.c_str());
  if (!x) return pixels;
  XSetErrorHandler(IgnoreXError);
  XWindowAttributes attributes{};
  const Window id = std::strtoul(window.c_str(), nullptr, 10);
  if (XGetWindowAttributes(x, id, &attributes) != 0) {
    XImage* image = XGetImage(x, id, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                              AllPlanes, ZPixmap);
    if (image) {
      pixels.width = image->width;
      pixels.height = image->height;
      pixels.rgb.reserve(size_t(image->width) * image->height * 3);
      for (int row = 0; row < image->height; ++row) {
        for (int column = 0; column < image->width; ++column) {
          const unsigned long p = XGetPixel(image, column, row);
          pixels.rgb.push_back(uint8_t(p >> 16));
          pixels.rgb.push_back(uint8_t(p >> 8));
          pixels.rgb.push_back(uint8_t(p));
        }
      }
      XDestroyImage(image);
    }
  }
  XCloseDisplay(x);
  return pixels;
}

std::string XDoTool(const std::string& display, const std::string& arguments) {
  const std::string command = "DISPLAY=" + display + " xdotool " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "";
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe))
    output += buffer;
  pclose(pipe);
  while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
    output.pop_back();
  return output;
}

bool SendCloseRequest(const std::string& display, unsigned long window) {
  ::Display* x = XOpenDisplay(display.c_str());
  if (!x) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
  XCloseDisplay(x);
  return sent;
}

}  // namespace zentoir::testing
