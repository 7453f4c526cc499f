#pragma once

#include "platform/components/component.h"

// What a right click on a control opens. The control only asks it to open at
// a point of the screen; the control set's popup menu is what implements it.
class TContextMenu : public TComponent {
 public:
  using TComponent::TComponent;

  virtual void Popup(int x, int y) = 0;

  // The control the menu was last opened for, if any.
  TComponent* PopupComponent = nullptr;
};
