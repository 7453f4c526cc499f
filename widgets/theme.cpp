#include "widgets/theme.h"

#include "platform/graphics/system_colours.h"

bool ThemesAvailable = false;

namespace {

TKxNoTheme no_theme;
TKxThemeLibrary* bound_library = &no_theme;

bool SystemHasThemes(const TKxVersionInfo& system) {
  return system.PlatformId == 2 && (system.Major > 5 || (system.Major == 5 && system.Minor >= 1));
}

}  // namespace

TColor TKxNoTheme::GetThemeSysColor(HTHEME, int color_id) {
  return GetSysColor(color_id);
}

TKxThemeLibrary& ThemeLibrary() {
  return *bound_library;
}

void BindThemeLibrary(const TKxVersionInfo& system, TKxThemeLibrary* library) {
  ThemesAvailable = false;
  bound_library = &no_theme;
  if (!SystemHasThemes(system) || !library) return;
  bound_library = library;
  ThemesAvailable = true;
}

void UnbindThemeLibrary() {
  ThemesAvailable = false;
}

HRESULT GetClassThemePartSize(std::wstring_view class_name, TCanvas* canvas, int part, int state,
                              const TRect* rect, int size_kind, TSize& size) {
  TKxThemeLibrary& library = ThemeLibrary();
  const HTHEME theme = library.OpenThemeData(nullptr, class_name);
  if (theme == 0) return E_NOTIMPL;
  struct Closer {
    TKxThemeLibrary& library;
    HTHEME theme;
    ~Closer() { library.CloseThemeData(theme); }
  } closer{library, theme};
  return library.GetThemePartSize(theme, canvas, part, state, rect, size_kind, size);
}
