#pragma once
// The buttons of the program's windows: 75 x 25 (a dialog's button wider when its caption
// needs it), side by side with a gap of 5.

namespace ui {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 5;

} // namespace ui
