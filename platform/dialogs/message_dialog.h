#pragma once

#include <string>

#include "platform/forms/form.h"

enum class TMsgDlgType { mtWarning, mtInformation };

using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbOK = 1;
constexpr TMsgDlgButtons mbCancel = 2;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// Shows `text` in a modal box centred on the game's window, with a sign for
// its type and the buttons asked for, and returns mrOk or mrCancel. Enter
// chooses OK; Escape chooses Cancel, or OK when that is the only button.
// The box always fits the frame: a word too wide for its lines is broken, and
// a text too tall for the frame is cut at the foot.
// The form is named "MessageDialog" and its buttons "OK" and "Cancel".
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
