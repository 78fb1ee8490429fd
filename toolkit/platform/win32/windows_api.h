#pragma once

// The Windows API together with the toolkit's platform interface. windows.h spells two of its
// functions as macros, CreateWindow and DrawText, that would rename the interface's members
// Platform::CreateWindow and Canvas::DrawText wherever both are seen; the backend calls
// CreateWindowExW and never GDI's DrawText, so the macros go. Every file of the backend and of
// its tests includes this in place of <windows.h> and of platform.h.

#include <windows.h>

#undef CreateWindow
#undef DrawText

#include "toolkit/platform/platform.h"
