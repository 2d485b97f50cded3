#pragma once

// A real comma-decimal locale for tests. Uses the system's de_DE.UTF-8 when it is installed;
// otherwise compiles one with localedef into a temporary folder and points LOCPATH at it, so
// the C library finds it for this process and for any program it starts. A machine that
// cannot give one fails the test that needs it: "." proven only under "." proves nothing.

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tarnwick::test {

inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// True when setting the locale named in the environment gives a comma as the decimal point.
inline bool EnvironmentLocaleHasCommaPoint() {
  const char* was = std::setlocale(LC_ALL, nullptr);
  const std::string previous = was != nullptr ? was : "C";
  const bool comma = std::setlocale(LC_ALL, "") != nullptr &&
                     std::strcmp(std::localeconv()->decimal_point, ",") == 0;
  std::setlocale(LC_ALL, previous.c_str());
  return comma;
}

// Puts kCommaLocale into the environment (LANG and LC_ALL, and LOCPATH when it had to be
// made) without switching this process's locale yet; an application object or setlocale(LC_ALL,
// "") switches to it. Returns the folder given in LOCPATH ("" for the system's locale), or
// sets `error` when no comma locale can be had.
inline std::string ProvideCommaLocale(std::string& error) {
  setenv("LANG", kCommaLocale, 1);
  setenv("LC_ALL", kCommaLocale, 1);
  unsetenv("LOCPATH");
  if (EnvironmentLocaleHasCommaPoint()) return "";

  char folder[] = "/tmp/tarnwick-locale-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    error = "cannot make a folder for the comma locale";
    return "";
  }
  // localedef exits with 1 for mere warnings, so the result is judged by using it.
  const std::string command = std::string("localedef -i de_DE -f UTF-8 ") + folder + "/" +
                              kCommaLocale + " >/dev/null 2>&1";
  (void)std::system(command.c_str());
  setenv("LOCPATH", folder, 1);
  if (!EnvironmentLocaleHasCommaPoint()) {
    error = std::string("no comma-decimal locale: ") + kCommaLocale +
            " is not installed and localedef (Debian package locales) could not make it";
    return "";
  }
  return folder;
}

}  // namespace tarnwick::test
