#pragma once
// A theme service for tests: it opens theme data for the classes it is told
// it knows and writes down the drawing calls, with their part and state, so
// that a control's themed drawing can be checked without a real theme.
#include <set>
#include <string>
#include <vector>

#include "widgets/theme.h"

class TRecordingTheme : public TKxNoTheme {
 public:
  struct Call {
    std::string name;
    int part = 0;
    int state = 0;
  };

  // The classes whose theme data opens; the part size it reports.
  std::set<std::wstring> known_classes = {L"BUTTON", L"SPIN", L"EDIT", L"COMBOBOX", L"GLOBALS"};
  TSize part_size{13, 13};

  std::vector<Call> calls;
  int open_handles = 0;

  int Count(const std::string& name) const {
    int n = 0;
    for (const Call& call : calls) n += call.name == name ? 1 : 0;
    return n;
  }

  bool IsThemeActive() override { return true; }
  HTHEME OpenThemeData(const TWinControl*, std::wstring_view class_list) override {
    Log("OpenThemeData");
    if (!known_classes.contains(std::wstring(class_list))) return 0;
    ++open_handles;
    return next_handle_++;
  }
  HRESULT CloseThemeData(HTHEME theme) override {
    if (theme != 0) --open_handles;
    return S_OK;
  }
  HRESULT DrawThemeBackground(HTHEME, TCanvas&, int part, int state, const TRect&,
                              const TRect*) override {
    return Log("DrawThemeBackground", part, state);
  }
  HRESULT DrawThemeText(HTHEME, TCanvas&, int part, int state, std::string_view, unsigned,
                        unsigned, const TRect&) override {
    return Log("DrawThemeText", part, state);
  }
  HRESULT GetThemePartSize(HTHEME, TCanvas*, int part, int state, const TRect*, int,
                           TSize& size) override {
    size = part_size;
    return Log("GetThemePartSize", part, state);
  }
  HRESULT GetThemeTextExtent(HTHEME, TCanvas&, int, int, std::string_view text, unsigned,
                             const TRect*, TRect& extent) override {
    extent = {0, 0, static_cast<int>(text.size()) * 6, 13};
    return S_OK;
  }

 private:
  HRESULT Log(const char* name, int part = 0, int state = 0) {
    calls.push_back({name, part, state});
    return S_OK;
  }

  HTHEME next_handle_ = 1;
};

// Binds a recording theme for the life of a test and unbinds it after.
class TRecordingThemeBinding {
 public:
  TRecordingThemeBinding() { BindThemeLibrary(kKxVersionProfile, &theme); }
  ~TRecordingThemeBinding() { BindThemeLibrary(kKxVersionProfile, nullptr); }
  TRecordingThemeBinding(const TRecordingThemeBinding&) = delete;
  TRecordingThemeBinding& operator=(const TRecordingThemeBinding&) = delete;

  TRecordingTheme theme;
};
