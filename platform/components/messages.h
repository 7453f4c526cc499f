#pragma once

#include <cstdint>
#include <string>

// A message to a control: what happened, two arguments, and the answer the
// handler leaves in Result. Every input event and every notice between
// controls travels as one, so a replaced window procedure sees them all.
struct TMessage {
  uint32_t Msg = 0;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

// Our own numbering. Input and window messages sit below WM_USER; the
// notices between controls sit in their own block; controls are free to use
// WM_USER and above (the control set uses some fixed numbers there).
enum : uint32_t {
  WM_NULL = 0,
  WM_SETFOCUS = 0x0010,
  WM_KILLFOCUS,
  WM_CONTEXTMENU = 0x007B,  // LParam: the pointer's screen point; Result 1 when a menu opened
  WM_KEYDOWN = 0x0100,
  WM_KEYUP,
  WM_CHAR,
  WM_GETDLGCODE,
  WM_HSCROLL = 0x0114,  // WParam: ScrollMessageParam(code, position)
  WM_VSCROLL,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN,
  WM_LBUTTONUP,
  WM_LBUTTONDBLCLK,
  WM_RBUTTONDOWN,
  WM_RBUTTONUP,
  WM_RBUTTONDBLCLK,
  WM_MBUTTONDOWN,
  WM_MBUTTONUP,
  WM_MBUTTONDBLCLK,
  WM_MOUSEWHEEL,  // WParam: notches, positive away from the user; Result 1 when taken
  WM_USER = 0x0400,

  CM_BASE = 0xB000,
  CM_MOUSEENTER,
  CM_MOUSELEAVE,
  CM_TEXTCHANGED,
  CM_FONTCHANGED,
  CM_PARENTFONTCHANGED,
  CM_COLORCHANGED,
  CM_PARENTCOLORCHANGED,
  CM_ENABLEDCHANGED,
  CM_VISIBLECHANGED,
  CM_FOCUSCHANGED,  // LParam: the control that now has the focus, or 0
  CM_ENTER,
  CM_EXIT,
  CM_DIALOGKEY,       // WParam: key code; LParam: shift state; Result 1 when taken
  CM_DIALOGCHAR,      // WParam: character; Result 1 when taken
  CM_CAPTURECHANGED,  // LParam: the control that takes the capture, or 0
  CM_HINTSHOW,        // LParam: the THintInfo to fill in; Result nonzero: no hint
  CM_PARENTENABLEDCHANGED,
};

// What a scroll bar reports to its window in WM_HSCROLL and WM_VSCROLL.
enum : int {
  SB_LINEUP = 0,
  SB_LINEDOWN,
  SB_PAGEUP,
  SB_PAGEDOWN,
  SB_THUMBPOSITION,  // the thumb was let go at the position
  SB_THUMBTRACK,     // the thumb is being dragged past the position
  SB_TOP,
  SB_BOTTOM,
  SB_ENDSCROLL,  // the press on the bar is over
};

inline intptr_t ScrollMessageParam(int code, int position) {
  return static_cast<intptr_t>((static_cast<uint32_t>(position) << 16) |
                               static_cast<uint16_t>(code));
}
inline int ScrollCode(intptr_t wparam) {
  return static_cast<int>(wparam & 0xFFFF);
}
inline int ScrollPosition(intptr_t wparam) {
  return static_cast<int>((wparam >> 16) & 0xFFFF);
}

// Answers to WM_GETDLGCODE: the keys a focused control keeps for itself
// instead of letting the form use them to move the focus or close.
enum : intptr_t {
  DLGC_WANTARROWS = 0x0001,
  DLGC_WANTTAB = 0x0002,
  DLGC_WANTALLKEYS = 0x0004,
  DLGC_WANTCHARS = 0x0080,
};

// Mouse messages carry the client position packed into LParam and the shift
// state in WParam.
inline intptr_t PackPoint(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y) << 16) | static_cast<uint16_t>(x));
}
inline int PointX(intptr_t lparam) {
  return static_cast<int16_t>(lparam & 0xFFFF);
}
inline int PointY(intptr_t lparam) {
  return static_cast<int16_t>((lparam >> 16) & 0xFFFF);
}

// A message number of its own for each name, the same for every caller that
// asks with that name, above every fixed number.
uint32_t RegisterWindowMessage(const std::string& name);
