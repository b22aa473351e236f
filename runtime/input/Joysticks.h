// The joysticks attached to the machine, over SDL2's joystick interface. Devices
// plugged in or pulled out while the program runs join or leave the list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

union SDL_Event;
struct _SDL_Joystick;

namespace zentoir {

// One joystick's state, laid out as the classic 80-byte joystick record: six axes,
// two sliders, four point-of-view hats, 32 buttons. Axes run from −32768 to 32767;
// a hat is in hundredths of a degree clockwise from "up", 0xFFFFFFFF when centred;
// a button byte is 0x80 while the button is down.
struct JoystickState {
  int32_t x = 0, y = 0, z = 0;
  int32_t rx = 0, ry = 0, rz = 0;
  int32_t slider[2] = {};
  uint32_t pov[4] = {};
  uint8_t buttons[32] = {};
};
static_assert(sizeof(JoystickState) == 80);

class JoystickSet {
 public:
  static constexpr int kMaxJoysticks = 10;

  JoystickSet() = default;
  ~JoystickSet() { Stop(); }
  JoystickSet(const JoystickSet&) = delete;
  JoystickSet& operator=(const JoystickSet&) = delete;

  // Starts SDL's joystick subsystem and opens the devices attached now (up to ten).
  void Start();
  // Closes every device and stops the subsystem.
  void Stop();
  // Opens a device that was plugged in, closes one that was pulled out.
  void HandleEvent(const SDL_Event& event);

  int Count() const { return static_cast<int>(devices_.size()); }
  // The product name of joystick n; "" for a number outside the list.
  std::string Name(int n) const;
  // Reads joystick n; false (and an all-zero state) for a number outside the list.
  bool Read(int n, JoystickState& state) const;
  // Whether any of the 32 buttons of any joystick is down.
  bool AnyButtonDown() const;

 private:
  struct Device {
    _SDL_Joystick* handle = nullptr;
    int32_t instanceId = -1;
    std::string name;
  };
  void Open(int deviceIndex);
  void Close(int32_t instanceId);
  bool IsOpen(int32_t instanceId) const;

  std::vector<Device> devices_;
  bool started_ = false;
};

}  // namespace zentoir
