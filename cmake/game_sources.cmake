# The game's sources in src/, for the native build (src/CMakeLists.txt) and
# the browser build (web/CMakeLists.txt), from one list of the files that
# differ between them.
#
# The files that talk to the display library have browser twins named web_*.cpp
# in the same folder; the native build leaves the twins out, and the browser
# build leaves out the native files below.
set(QZ_NATIVE_ONLY_SOURCES
  platform/display.cpp
  platform/headless_display.cpp
  platform/presentation.cpp
  platform/sdl_clock.cpp
  platform/sdl_event_reader.cpp
  platform/sdl_pad_device.cpp
  platform/sdl_sound_board.cpp
  platform/sdl_surfaces.cpp)

# The folders of src/, as tools/check-layers orders them.
set(QZ_LAYERS platform controls core world items characters view turn program)

# Sets `out` to the .cpp files of the layers under `src` that `build` (native
# or browser) compiles, main.cpp included.
function(qz_game_sources out src build)
  set(globs "")
  foreach(layer ${QZ_LAYERS})
    list(APPEND globs "${src}/${layer}/*.cpp")
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${globs})
  if(build STREQUAL "browser")
    foreach(native ${QZ_NATIVE_ONLY_SOURCES})
      if(NOT EXISTS "${src}/${native}")
        message(FATAL_ERROR "${native}, listed in ${CMAKE_CURRENT_FUNCTION_LIST_FILE}, is gone")
      endif()
      list(REMOVE_ITEM sources "${src}/${native}")
    endforeach()
  elseif(build STREQUAL "native")
    list(FILTER sources EXCLUDE REGEX "/web_[a-z_]+\\.cpp$")
  else()
    message(FATAL_ERROR "qz_game_sources: no build named ${build}")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
