#pragma once
// Everything of the drawing layer in one include.
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Fills.h"
#include "platform/graphics/GradientFill.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/ScopedSaveDC.h"
#include "platform/graphics/Shapes.h"
#include "platform/graphics/TextDrawing.h"
