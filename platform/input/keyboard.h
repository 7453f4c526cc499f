#pragma once

#include <string>

#include "platform/components/shift_state.h"

class TWinControl;

// Keyboard input for the active form. A key goes first to the form when it
// previews keys, then: Tab and Shift+Tab move the focus over tab stops, the
// arrow keys move it to the next or previous control of the same parent,
// and Escape and Enter
// are offered to every control as dialog keys, unless the focused control
// asks for those keys itself (WM_GETDLGCODE); whatever is left goes to the
// focused control.
void DispatchKeyDown(TWinControl& root, int key, TShiftState shift);
void DispatchKeyUp(TWinControl& root, int key, TShiftState shift);
// A typed character. With Alt, or when the focused control does not take
// characters, it is first offered to every control as an accelerator
// (CM_DIALOGCHAR).
void DispatchChar(TWinControl& root, char ch, TShiftState shift);

// True when `ch` is the accelerator of `caption`: the character after a
// single "&", compared without regard to case ("&&" is a literal "&").
bool IsAccel(char ch, const std::string& caption);
