#pragma once
// Flags of TCanvas::DrawText, the formatted-text routine every control uses
// for its captions. DT_LEFT and DT_TOP are the defaults (value 0).

constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;  // single-line text only
constexpr unsigned DT_BOTTOM = 0x8;   // single-line text only
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;  // measure only: set the rectangle, draw nothing
constexpr unsigned DT_NOPREFIX = 0x800;  // "&" is an ordinary character
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;  // "&" is removed but nothing is underlined
