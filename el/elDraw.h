// elDraw: the screen, sprite objects, blitters, effects, wipes and text.
#pragma once
#include "el/draw/blit.h"
#include "el/draw/object.h"
#include "el/draw/pack.h"
#include "el/draw/present.h"
#include "el/draw/screen.h"
#include "el/draw/gdi.h"
#include "el/draw/text.h"
