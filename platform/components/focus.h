#pragma once

class TControl;
class TWinControl;

// The keyboard focus. Each top-level control (a form) remembers its own
// active control; the focus itself lies in the active form only.

TWinControl* FocusedControl();
TWinControl* ActiveRoot();

// Gives `control` the focus within its form. When that form is not the active
// one, the control only becomes the one to focus when the form activates.
void FocusControl(TWinControl* control);

// Makes `root` the form that receives the keyboard, restoring its active
// control (or its first tab stop); nullptr leaves no form active.
void ActivateRoot(TWinControl* root);

// Called when a control is hidden, disabled, re-parented or freed: the focus
// and the remembered active control leave it and everything inside it. A
// control that goes away while it has the focus hands it to the next one.
void ForgetFocus(TControl* control);
