#pragma once

#include <cstdint>

#include "platform/components/shift_state.h"
#include "platform/graphics/types.h"

class TControl;
class TWinControl;

// The mouse capture: while a control holds it, every mouse message goes to
// that control wherever the pointer is. A control that loses it, to another
// control or to nobody, is sent CM_CAPTURECHANGED.
TControl* GetCapture();
// Returns the control that held the capture before, so that it can be given
// back afterwards.
TControl* SetCapture(TControl* control);
void ReleaseCapture();
// Releases the capture when `control` or a control inside it holds it.
void ReleaseCaptureWithin(TControl* control);

// The deepest showing control under the pointer, disabled ones included.
TControl* ControlUnderMouse();
// The pointer's place on the frame.
TPoint CursorPos();

// Mouse input for one form (the one that takes input now), in frame
// coordinates. Presses and releases go to the deepest visible, enabled
// control under the pointer, or to the capture. Moves also send enter and
// leave notices when the control under the pointer changes, even to disabled
// controls. Each call returns after every handler has run.
void DispatchMouseMove(TWinControl& root, TPoint point, TShiftState shift);
void DispatchMouseButton(TWinControl& root, TPoint point, TMouseButton button, bool down,
                         TShiftState shift, uint64_t time_ms);
// A wheel turn goes to the focused control (the form when none is) and up
// its parents until one takes it (WM_MOUSEWHEEL answered with 1); `delta` is in notches, positive
// away from the user.
void DispatchMouseWheel(TWinControl& root, TPoint point, int delta, TShiftState shift);

// Forgets a control that is going away: capture, pointer and press records.
void ForgetMouseState(TControl* control);

// Lets go of every button still held: a new session starts with the mouse at rest.
void ReleaseMouseButtons();
