// CanvasGlue: the headers the generated LinearGradient and Canvas glue needs. Included by
// canvas.pkg only.
#pragma once

#include "contracts/Color.h"
#include "drawing/LuaCanvas.h"
#include "drawing/LuaFont.h"
#include "drawing/LuaImage.h"
#include "drawing/LuaLinearGradient.h"
#include "geometry/LuaPoint.h"
