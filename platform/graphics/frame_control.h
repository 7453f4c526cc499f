#pragma once
// The classic 13 x 13 check box and radio button marks, drawn at the top-left
// of the given rectangle.
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

constexpr unsigned DFC_BUTTON = 4;

constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;  // a check box whose checked state is "grayed"
constexpr unsigned DFCS_INACTIVE = 0x100;    // disabled: gray mark on a face-coloured box
constexpr unsigned DFCS_CHECKED = 0x400;

// Draws a check box or radio mark; returns false for a type other than DFC_BUTTON.
bool DrawFrameControl(TCanvas& canvas, const TRect& rect, unsigned type, unsigned state);
