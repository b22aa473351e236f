// The system's headers as every file of this folder includes them: the lean set, no
// min/max macros, and Winsock 2 ahead of the rest (which would bring in the old one).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>
