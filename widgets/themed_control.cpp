#include "widgets/themed_control.h"

TKxXPThemedControl::TKxXPThemedControl(TComponent* owner) : TCustomControl(owner) {}

TKxXPThemedControl::~TKxXPThemedControl() {
  if (window_made_) TKxXPThemedControl::DestroyWnd();
}

void TKxXPThemedControl::SetParent(TWinControl* parent) {
  TCustomControl::SetParent(parent);
  if (Parent() && !window_made_) CreateWnd();
  if (!Parent() && window_made_) DestroyWnd();
}

void TKxXPThemedControl::HandleNeeded() {
  if (!window_made_) CreateWnd();
}

void TKxXPThemedControl::RecreateWnd() {
  if (!window_made_) return;
  DestroyWnd();
  CreateWnd();
}

void TKxXPThemedControl::CreateParams(TKxCreateParams& params) {
  params = TKxCreateParams{};
}

void TKxXPThemedControl::CreateWnd() {
  CreateParams(params_);
  window_made_ = true;
  if (use_xp_themes_ && !IsThemeApplied()) CreateThemeHandle();
  Invalidate();
}

void TKxXPThemedControl::DestroyWnd() {
  window_made_ = false;
  if (use_xp_themes_ && IsThemeApplied()) FreeThemeHandle();
}

void TKxXPThemedControl::CreateThemeHandle() {
  if (!ThemesAvailable) {
    theme_ = 0;
    return;
  }
  HandleNeeded();
  theme_ = ThemeLibrary().OpenThemeData(this, GetThemedClassName());
}

void TKxXPThemedControl::FreeThemeHandle() {
  if (ThemesAvailable) ThemeLibrary().CloseThemeData(theme_);
  theme_ = 0;
}

void TKxXPThemedControl::SetUseXPThemes(bool use) {
  if (use == use_xp_themes_) return;
  use_xp_themes_ = use;
  if (!ThemesAvailable || !window_made_) return;
  if (use) {
    CreateThemeHandle();
  } else {
    FreeThemeHandle();
  }
  RecreateWnd();
}

void TKxXPThemedControl::WndProc(TMessage& message) {
  if (message.Msg != WM_THEMECHANGED) {
    TCustomControl::WndProc(message);
    return;
  }
  if (ThemesAvailable && use_xp_themes_) {
    FreeThemeHandle();
    CreateThemeHandle();
    Invalidate();
  }
  message.Result = 1;
}
