#pragma once

#include <span>

// What a line of the game's text file is used for, which fixes how long it may be.
enum class TextRole {
  kNotice,   // a line of an event notice: cut at 40 characters
  kOption,   // a choice offered under a notice: cut at 23 characters
  kMessage,  // a message box: wraps, no limit
  kCaption,  // a form caption
  kLabel,    // a label, button or radio caption
  kMenu,     // a menu item
};

// How the game joins the line to a value.
enum class TextJoin {
  kWhole,   // shown on its own or with the game's own separators
  kPrefix,  // a value follows directly: the line ends in a blank
  kSuffix,  // the line follows a value directly: it starts with a blank (or a comma)
  kBoth,
};

// Lines first..last, all of one use.
struct TextLineRole {
  int first;
  int last;
  TextRole role;
  int budget;  // longest text that still fits; 0 where the role sets no limit
  TextJoin join;
};

std::span<const TextLineRole> TextLineRoles();
