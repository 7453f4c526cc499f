#pragma once
// The input layer keeps controls in mind from one event to the next: the mouse
// capture, the control under the pointer, the last press. It lends the control
// layer these two routines, so that a control that gives up its input or goes
// away lets go of that memory without the control layer knowing how input is
// dispatched. Until the input layer installs them they do nothing: nothing is
// remembered then.
class TControl;

struct TInputMemory {
  // The control, or one inside it, gives up the mouse capture.
  void (*release_capture_within)(TControl* control) = nullptr;
  // Nothing of the control, or of one inside it, is kept any longer.
  void (*forget)(TControl* control) = nullptr;
};

void InstallInputMemory(const TInputMemory& memory);
void ReleaseInputWithin(TControl* control);
void ForgetInputOf(TControl* control);
