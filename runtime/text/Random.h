// The process-wide random generator behind RandomInt.
#pragma once

namespace zentoir {

// An integer from 0 to trunc(n) inclusive; 0 when n <= 0. Each draw runs one ISAAC round.
double RandomInt(double n);

// Seeds the generator, so that a game can replay the same sequence (start-up seeds it
// from the clock).
void SetRandomSeed(double seed);

}  // namespace zentoir
