#include "input/Joysticks.h"

#include <SDL2/SDL.h>

#include <algorithm>

namespace zentoir {
namespace {

constexpr uint32_t kHatCentred = 0xFFFFFFFFu;

uint32_t HatDirection(Uint8 hat) {
  switch (hat) {
    case SDL_HAT_UP:
      return 0;
    case SDL_HAT_RIGHTUP:
      return 4500;
    case SDL_HAT_RIGHT:
      return 9000;
    case SDL_HAT_RIGHTDOWN:
      return 13500;
    case SDL_HAT_DOWN:
      return 18000;
    case SDL_HAT_LEFTDOWN:
      return 22500;
    case SDL_HAT_LEFT:
      return 27000;
    case SDL_HAT_LEFTUP:
      return 31500;
    default:
      return kHatCentred;
  }
}

int32_t Axis(SDL_Joystick* joystick, int axis) {
  return axis < SDL_JoystickNumAxes(joystick) ? SDL_JoystickGetAxis(joystick, axis) : 0;
}

}  // namespace

void JoystickSet::Start() {
  if (started_) return;
  // Joysticks are read by the program, not steered by SDL's controller drivers that
  // probe every USB device at start-up.
  SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
  started_ = true;
  const int attached = SDL_NumJoysticks();
  for (int i = 0; i < attached; ++i)
    Open(i);
}

void JoystickSet::Stop() {
  if (!started_) return;
  for (Device& device : devices_)
    SDL_JoystickClose(device.handle);
  devices_.clear();
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  started_ = false;
}

void JoystickSet::HandleEvent(const SDL_Event& event) {
  if (!started_) return;
  if (event.type == SDL_JOYDEVICEADDED) Open(event.jdevice.which);
  if (event.type == SDL_JOYDEVICEREMOVED) Close(event.jdevice.which);
}

bool JoystickSet::IsOpen(int32_t instanceId) const {
  return std::any_of(devices_.begin(), devices_.end(),
                     [instanceId](const Device& d) { return d.instanceId == instanceId; });
}

// Start() opens the devices already attached, and SDL then also announces each of them
// once: the instance id tells a known device from a new one.
void JoystickSet::Open(int deviceIndex) {
  if (Count() >= kMaxJoysticks) return;
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || IsOpen(id)) return;
  SDL_Joystick* handle = SDL_JoystickOpen(deviceIndex);
  if (!handle) return;
  const char* name = SDL_JoystickName(handle);
  devices_.push_back({handle, SDL_JoystickInstanceID(handle), name ? name : ""});
}

void JoystickSet::Close(int32_t instanceId) {
  auto it = std::find_if(devices_.begin(), devices_.end(),
                         [instanceId](const Device& d) { return d.instanceId == instanceId; });
  if (it == devices_.end()) return;
  SDL_JoystickClose(it->handle);
  devices_.erase(it);
}

std::string JoystickSet::Name(int n) const {
  return n >= 0 && n < Count() ? devices_[static_cast<size_t>(n)].name : std::string();
}

bool JoystickSet::Read(int n, JoystickState& state) const {
  state = JoystickState{};
  if (n < 0 || n >= Count()) return false;
  SDL_Joystick* joystick = devices_[static_cast<size_t>(n)].handle;
  SDL_JoystickUpdate();
  int32_t* axes[] = {&state.x,  &state.y,  &state.z,         &state.rx,
                     &state.ry, &state.rz, &state.slider[0], &state.slider[1]};
  for (int a = 0; a < 8; ++a)
    *axes[a] = Axis(joystick, a);
  const int hats = SDL_JoystickNumHats(joystick);
  for (int h = 0; h < 4; ++h)
    state.pov[h] = h < hats ? HatDirection(SDL_JoystickGetHat(joystick, h)) : kHatCentred;
  const int buttons = std::min(SDL_JoystickNumButtons(joystick), 32);
  for (int b = 0; b < buttons; ++b)
    state.buttons[b] = SDL_JoystickGetButton(joystick, b) ? 0x80 : 0;
  return true;
}

bool JoystickSet::AnyButtonDown() const {
  JoystickState state;
  for (int n = 0; n < Count(); ++n) {
    Read(n, state);
    for (uint8_t button : state.buttons)
      if (button & 0x80) return true;
  }
  return false;
}

}  // namespace zentoir
