// The raw words of the process-wide random generator behind RandomInt.
#pragma once

#include <cstdint>

namespace zentoir {

// The next raw 32-bit word: word 0 of a fresh round.
uint32_t NextRandomWord();

}  // namespace zentoir
