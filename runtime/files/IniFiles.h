// The INI commands: one INI file at a time, read on open, written back when another
// file is opened and at program end.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Writes the current file back if it has changes, then loads the named one.
void IniOpen(const DynString& name);

// The value of the key in the section, or "NO_DATA" (also before any IniOpen).
DynString IniGet(const DynString& section, const DynString& key);

// Sets the key; an empty value deletes the key, an empty key deletes the section.
void IniPut(const DynString& section, const DynString& key, const DynString& value);

}  // namespace zentoir
