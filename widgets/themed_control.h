#pragma once
// The windowed base of the controls that draw through the theme when one is
// applied: it opens theme data when its window is made and closes it when
// the window goes.
//
// The platform's controls have no separate window objects, so this base
// keeps the window's life itself: the window is made when the control is
// placed on a parent (or its handle is asked for) and goes when the control
// leaves its parent or is freed. Recreating it lets a descendant choose its
// window styles afresh in CreateParams.
#include <cstdint>
#include <string>

#include "platform/components/custom_control.h"
#include "widgets/theme.h"

// Window styles a descendant may ask for.
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x00000020;

struct TKxCreateParams {
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
};

class TKxXPThemedControl : public TCustomControl {
 public:
  explicit TKxXPThemedControl(TComponent* owner);
  ~TKxXPThemedControl() override;

  bool UseXPThemes() const { return use_xp_themes_; }
  virtual void SetUseXPThemes(bool use);
  // The one test by which a descendant draws themed or classic.
  bool IsThemeApplied() const { return use_xp_themes_ && theme_ != 0; }
  HTHEME ThemeHandle() const { return theme_; }

  bool HandleAllocated() const { return window_made_; }
  // Makes the window when it does not exist yet.
  void HandleNeeded();
  void RecreateWnd();
  // The styles the window was made with.
  const TKxCreateParams& WindowParams() const { return params_; }

  void SetParent(TWinControl* parent) override;

 protected:
  virtual std::wstring GetThemedClassName() const = 0;
  virtual void FreeThemeHandle();
  virtual void CreateThemeHandle();
  virtual void CreateParams(TKxCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  void WndProc(TMessage& message) override;

 private:
  bool use_xp_themes_ = true;
  HTHEME theme_ = 0;
  bool window_made_ = false;
  TKxCreateParams params_;
};
