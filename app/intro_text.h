#pragma once

#include <span>

#include "canvas/canvas.h"

namespace tarnwick {

// The main window's opening page: what the program computes, what it assumes and what the
// user can choose. Each line ends the line, so each starts at the left edge one line lower.
void ShowIntroText(Canvas& canvas);

// The lines of that page, for choosing a font in which the page fits the window.
std::span<const char* const> IntroLines();

}  // namespace tarnwick
