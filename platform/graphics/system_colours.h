#pragma once
// The one table of classic system colours and metrics. Every control draws
// with the classic look of a 96-dpi desktop; the values chosen are:
//
//   index  colour                  RGB          index  colour              RGB
//   0      COLOR_SCROLLBAR         C0 C0 C0     13     COLOR_HIGHLIGHT     00 00 80
//   1      COLOR_BACKGROUND        00 80 80     14     COLOR_HIGHLIGHTTEXT FF FF FF
//   2      COLOR_ACTIVECAPTION     00 00 80     15     COLOR_BTNFACE       C0 C0 C0
//   3      COLOR_INACTIVECAPTION   80 80 80     16     COLOR_BTNSHADOW     80 80 80
//   4      COLOR_MENU              C0 C0 C0     17     COLOR_GRAYTEXT      80 80 80
//   5      COLOR_WINDOW            FF FF FF     18     COLOR_BTNTEXT       00 00 00
//   6      COLOR_WINDOWFRAME       00 00 00     19     COLOR_INACTIVECAPTIONTEXT C0 C0 C0
//   7      COLOR_MENUTEXT          00 00 00     20     COLOR_BTNHIGHLIGHT  FF FF FF
//   8      COLOR_WINDOWTEXT        00 00 00     21     COLOR_3DDKSHADOW    00 00 00
//   9      COLOR_CAPTIONTEXT       FF FF FF     22     COLOR_3DLIGHT       DF DF DF
//   10     COLOR_ACTIVEBORDER      C0 C0 C0     23     COLOR_INFOTEXT      00 00 00
//   11     COLOR_INACTIVEBORDER    C0 C0 C0     24     COLOR_INFOBK        FF FF E1
//   12     COLOR_APPWORKSPACE      80 80 80
//
//   metric                                  value
//   SM_CXBORDER, SM_CYBORDER                1
//   SM_CXEDGE, SM_CYEDGE                    2
//   SM_CXVSCROLL, SM_CYHSCROLL              16 (scroll-bar thickness)
//   SM_CYVSCROLL, SM_CXHSCROLL              16 (arrow button length)
//   SM_CYVTHUMB, SM_CXHTHUMB                16 (smallest thumb)
//   SM_CYMENU                               19
//   SM_CXSCREEN, SM_CYSCREEN                800, 600 (the game's one window)
//   SM_CXDOUBLECLK, SM_CYDOUBLECLK          4 (double-click slop, pixels)
// The check and radio marks are 13 x 13; the double-click time is 500 ms.

constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int kSystemColorCount = 25;

// RGB of a system colour; an index outside the table gives black.
unsigned GetSysColor(int index);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CYMENU = 15;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;

// A metric from the table above; an unknown metric gives 0.
int GetSystemMetrics(int metric);

constexpr int kDoubleClickTimeMs = 500;
constexpr int kMarkSize = 13;
