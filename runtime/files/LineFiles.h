// The line-file commands: a text file addressed by line number 0..255. Each command
// first selects its file; the lines stay in memory until another file is selected or
// the program ends, and are written back then when they were changed.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The line's text without trailing bytes below 32. "NO_FILE" (error 3 recorded) when
// the file was newly selected and cannot be found; "NO_DATA" (error 7 recorded) for a
// line number outside 0..255. The program goes on in both cases.
DynString GetFileLine(const DynString& name, double line);

// TextToNumber of GetFileLine.
double GetFileNumber(const DynString& name, double line);

// Stores the text as the line (cut to 1023 bytes). A line number outside 0..255
// records error 7 and changes nothing.
void PutFileLine(const DynString& name, double line, const DynString& text);

// PutFileLine with NumberToText of the value.
void PutFileNumber(const DynString& name, double line, double value);

}  // namespace zentoir
