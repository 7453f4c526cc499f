#pragma once
// How every order dialog opens: nothing happens when the dialog has nothing to
// act on; otherwise the hourglass shows while the form is built and filled,
// the arrow once it is up, the player's choices are written back after its
// modal loop, whatever closed it, and the form is freed. Each dialog says
// whether it wants the hourglass and the arrow. A dialog fills itself in Fill
// or, as the selection dialog does, when it is shown; handlers write what they
// change at once, and WriteBack (when a dialog has one) the rest.
#include <utility>

#include "platform/forms/screen.h"

struct DialogCursors {
  bool hourglass_while_building = true;
  bool arrow_when_shown = true;
};

template <class Dialog, class... Args>
void RunOrderDialog(int acts_on, DialogCursors cursors, Args&&... args) {
  if (acts_on == 0) return;
  if (cursors.hourglass_while_building) Screen.SetCursor(crHourGlass);
  Dialog dialog(std::forward<Args>(args)...);
  if constexpr (requires { dialog.Fill(); }) dialog.Fill();
  if (cursors.arrow_when_shown) Screen.SetCursor(crDefault);
  dialog.ShowModal();
  if constexpr (requires { dialog.WriteBack(); }) dialog.WriteBack();
}
