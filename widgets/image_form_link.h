#pragma once
// How a control that shows an image form's picture behind itself follows
// the image form: it hears of picture changes through its link and of the
// image form's removal through a free notification.
#include "widgets/image_form.h"

// Moves `link` from the control's present image form (`stored`) to
// `image_form`, which may be nullptr.
void SwitchImageForm(TComponent& control, TKxImageForm*& stored, TKxImageForm* image_form,
                     TImgFormChangeLink& link);

// The answer to KM_REPAINTCHILDREN: the control repaints and passes the
// message on to its children, whose background has changed with it.
void RepaintWithChildren(TWinControl& control);

// Draws into `rect` of the control's canvas the part of the image form's
// background that lies behind `control`.
void DrawImageFormBehind(TKxImageForm& image_form, const TControl& control, TCanvas& canvas,
                         const TRect& rect);
