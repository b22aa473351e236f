// The one-time warning when OpenGL runs in software.
#pragma once

namespace zentoir {

// Whether a renderer name belongs to a software rasteriser (Mesa's llvmpipe, softpipe
// and swrast, or the GDI driver).
bool IsSoftwareRendererName(const char* name);

// Once per process, when the current context renders in software: the line "OpenGL
// Software Emulation" in the error log and a warning box where one can be shown.
void WarnOnceIfSoftwareRendering();

}  // namespace zentoir
