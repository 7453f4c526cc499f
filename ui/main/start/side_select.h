#pragma once
// Tsideselect: which belligerent gives its orders now. Only a human side's
// button is offered; the answer is left in CurrentSide.
#include "platform/controls/button.h"
#include "platform/forms/form.h"

class Tsideselect : public TForm {
 public:
  Tsideselect();

  TButton* Button1;  // the Union
  TButton* Button2;  // the Confederacy
};

// Asks only when a side is human; with none, CurrentSide stays as it was.
void ShowSideSelect();

// The side-change command: the mail side in play by mail, else the players'
// choice. The chosen side's orders are opened and it is marked as the one that
// gave them; nothing is left in hand.
void SideChangeClick();
