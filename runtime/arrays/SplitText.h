// A text cut into a text array at separator characters.
#pragma once

#include "arrays/GenericArray.h"
#include "text/DynString.h"

namespace zentoir {

// Splits at any of the separator bytes into non-empty pieces stored in `pieces`;
// returns their number.
double SplitText(DynString text, GenericArray<DynString>& pieces, const DynString& separators);

}  // namespace zentoir
