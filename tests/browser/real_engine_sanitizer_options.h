#pragma once

// Included once by each test executable that runs the real web engine.

#if defined(__SANITIZE_ADDRESS__)
// Chromium, inside the system's WebEngine library, frees some objects through a base type of
// another size; AddressSanitizer reports that although it is not this program's doing. The
// window's own code is checked in full by the scripted-engine tests.
extern "C" const char* __asan_default_options() {
  return "new_delete_type_mismatch=0";
}
// Chromium keeps some objects for the life of the process and never frees them.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libQt6WebEngineCore.so\nleak:libudev.so\n";
}
#endif
