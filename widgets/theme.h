#pragma once
// The binding to a visual-style (theme) service. A control draws through
// the theme only while one is applied to it (TKxXPThemedControl::
// IsThemeApplied); otherwise it draws the classic way. The game's desktop
// offers no theme service, so ThemesAvailable stays false and every control
// draws classically; tests bind a recording service to check the themed
// paths.
#include <cstdint>
#include <string_view>

#include "platform/graphics/types.h"
#include "widgets/tools.h"

class TCanvas;
class TWinControl;

// Open theme data of one window and class; 0 is none.
using HTHEME = std::uintptr_t;
using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);

// Which size GetThemePartSize gives.
constexpr int TS_MIN = 0;
constexpr int TS_TRUE = 1;
constexpr int TS_DRAW = 2;

// Sent to a control when the theme changes.
constexpr std::uint32_t WM_THEMECHANGED = 0x031A;

// The theme functions the control set calls while a theme is applied.
// Texts are the controls' own 8-bit captions; class names are wide.
class TKxThemeLibrary {
 public:
  virtual ~TKxThemeLibrary() = default;

  virtual bool IsThemeActive() = 0;
  // `window` may be nullptr for theme data not tied to a window.
  virtual HTHEME OpenThemeData(const TWinControl* window, std::wstring_view class_list) = 0;
  virtual HRESULT CloseThemeData(HTHEME theme) = 0;
  virtual HRESULT DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state,
                                      const TRect& rect, const TRect* clip) = 0;
  virtual HRESULT DrawThemeParentBackground(const TWinControl* window, TCanvas& canvas,
                                            const TRect* rect) = 0;
  virtual HRESULT DrawThemeText(HTHEME theme, TCanvas& canvas, int part, int state,
                                std::string_view text, unsigned flags, unsigned flags2,
                                const TRect& rect) = 0;
  virtual HRESULT GetThemePartSize(HTHEME theme, TCanvas* canvas, int part, int state,
                                   const TRect* rect, int size_kind, TSize& size) = 0;
  virtual HRESULT GetThemeTextExtent(HTHEME theme, TCanvas& canvas, int part, int state,
                                     std::string_view text, unsigned flags, const TRect* bounding,
                                     TRect& extent) = 0;
  virtual HRESULT DrawThemeEdge(HTHEME theme, TCanvas& canvas, int part, int state,
                                const TRect& rect, unsigned edge, unsigned flags,
                                TRect* content) = 0;
  virtual HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, TColor& color) = 0;
  virtual TColor GetThemeSysColor(HTHEME theme, int color_id) = 0;
};

// The service of a desktop without themes: it opens no theme data and
// draws nothing.
class TKxNoTheme : public TKxThemeLibrary {
 public:
  bool IsThemeActive() override { return false; }
  HTHEME OpenThemeData(const TWinControl*, std::wstring_view) override { return 0; }
  HRESULT CloseThemeData(HTHEME) override { return E_NOTIMPL; }
  HRESULT DrawThemeBackground(HTHEME, TCanvas&, int, int, const TRect&, const TRect*) override {
    return E_NOTIMPL;
  }
  HRESULT DrawThemeParentBackground(const TWinControl*, TCanvas&, const TRect*) override {
    return E_NOTIMPL;
  }
  HRESULT DrawThemeText(HTHEME, TCanvas&, int, int, std::string_view, unsigned, unsigned,
                        const TRect&) override {
    return E_NOTIMPL;
  }
  HRESULT GetThemePartSize(HTHEME, TCanvas*, int, int, const TRect*, int, TSize&) override {
    return E_NOTIMPL;
  }
  HRESULT GetThemeTextExtent(HTHEME, TCanvas&, int, int, std::string_view, unsigned, const TRect*,
                             TRect&) override {
    return E_NOTIMPL;
  }
  HRESULT DrawThemeEdge(HTHEME, TCanvas&, int, int, const TRect&, unsigned, unsigned,
                        TRect*) override {
    return E_NOTIMPL;
  }
  HRESULT GetThemeColor(HTHEME, int, int, int, TColor&) override { return E_NOTIMPL; }
  TColor GetThemeSysColor(HTHEME, int color_id) override;
};

// True once a theme service is bound.
extern bool ThemesAvailable;
// The bound service; the no-theme one while none is bound.
TKxThemeLibrary& ThemeLibrary();

// Binds `library` when the system is one that has themes (NT 5.1 or later)
// and a library is there; otherwise leaves the no-theme service in place
// and ThemesAvailable false. The game binds once at start-up and finds no
// library.
void BindThemeLibrary(const TKxVersionInfo& system, TKxThemeLibrary* library);
// The end of the run: ThemesAvailable becomes false again.
void UnbindThemeLibrary();

// The size of a theme part for a class, from theme data opened without a
// window; E_NOTIMPL when the theme does not know the class. Callers use it
// only while their own theme is applied.
HRESULT GetClassThemePartSize(std::wstring_view class_name, TCanvas* canvas, int part, int state,
                              const TRect* rect, int size_kind, TSize& size);
