// The machine identifier behind PlatformInfo("ID").
#pragma once

#include <cstdint>
#include <string>

namespace zentoir {

// Folds a machine identity text of 32 hexadecimal digits to 32 bits (the exclusive-or
// of its four 32-bit words); false when the text has another form.
bool FoldMachineId(const std::string& text, uint32_t& folded);

// The folded identity: the system's text when it is well formed, else the text kept in
// `keptIdFile`, which is made once (random) when it does not exist yet. 0 when neither
// can be had.
uint32_t MachineIdNumber(const std::string& systemId, const std::string& keptIdFile);

// The identifier text: the folded identity combined with the runtime's mask, as 8
// upper-case hexadecimal digits, two per byte, lowest byte first.
std::string MachineIdText(uint32_t folded);

}  // namespace zentoir
