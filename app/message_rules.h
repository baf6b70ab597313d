#pragma once
// Two small rules of the main window's message hooks.
#include <array>
#include <string_view>

#include "ui/ui_defs.h"

// Keys the window keeps from the framework's default key handling: Enter and Escape (no default button,
// no closing by Escape), Up and Down.
constexpr bool IsFilteredKey(DuiLib::WPARAM key) {
  return key == DuiLib::VK_RETURN || key == DuiLib::VK_ESCAPE || key == DuiLib::VK_UP || key == DuiLib::VK_DOWN;
}

// How many cells an arrow key moves the selected day: a day left or right, a week up or down; 0 for other
// keys.
constexpr int SelectionStep(DuiLib::WPARAM key) {
  switch (key) {
    case DuiLib::VK_LEFT: return -1;
    case DuiLib::VK_RIGHT: return 1;
    case DuiLib::VK_UP: return -7;
    case DuiLib::VK_DOWN: return 7;
    default: return 0;
  }
}

// Whether a control of this class, found under a caption point, is bare background that drags the window.
// The comparison is exact and case-sensitive: the seven interactive or text classes keep the point.
constexpr bool IsCaptionBackgroundClass(std::wstring_view className) {
  constexpr std::array<std::wstring_view, 7> kClientClasses = {
      L"ButtonUI", L"OptionUI", L"TextUI", L"ComboUI", L"LabelUI", L"ContainerUI", L"EditUI"};
  for (auto const name : kClientClasses)
    if (className == name) return false;
  return true;
}
