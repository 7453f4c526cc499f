#pragma once

class TControl;
class TForm;

// The form a control sits on, or nullptr: the form a push button hands its
// modal result to.
TForm* GetParentForm(const TControl* control);

// A windowed control the user presses takes the keyboard focus, when it can.
void FocusOnPress(TControl& control);
