#pragma once

// The C entry points of the late-loaded details browser module, resolved by name by the
// always-linked part (details_command.cpp). Plain C so that the names survive as written.
extern "C" {

// Opens the details browser on the given address (UTF-8), or brings the open window to the front.
__attribute__((visibility("default"))) void tarnwick_details_browser_show(const char* address);
// Closes the details browser if it is open.
__attribute__((visibility("default"))) void tarnwick_details_browser_close();
}

inline constexpr char kDetailsBrowserShowSymbol[] = "tarnwick_details_browser_show";
inline constexpr char kDetailsBrowserCloseSymbol[] = "tarnwick_details_browser_close";
