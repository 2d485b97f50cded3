# The two header-only libraries of the Qt-free core: {fmt}, which writes every floating-point
# number (sim/decimal_text), and nlohmann-json, which reads and writes load files and results.
# The web engine's compiler sees only its own system root, so tools/build-web hands it a folder
# holding just these two libraries' headers (TARNWICK_WEB_HEADERS) instead of the system's.
set(TARNWICK_WEB_HEADERS "" CACHE PATH
    "A folder with fmt/ and nlohmann/ headers only, for a compiler without the system's headers")
if(TARNWICK_WEB_HEADERS)
  add_library(fmt::fmt-header-only INTERFACE IMPORTED GLOBAL)
  set_target_properties(fmt::fmt-header-only PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${TARNWICK_WEB_HEADERS}
    INTERFACE_COMPILE_DEFINITIONS FMT_HEADER_ONLY=1)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${TARNWICK_WEB_HEADERS})
else()
  find_package(fmt 9 REQUIRED)
  find_package(nlohmann_json 3 REQUIRED)
endif()
