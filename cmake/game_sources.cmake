# The game's sources in src/, for the native build (src/CMakeLists.txt), the
# browser build (web/CMakeLists.txt) and the Windows build
# (windows/CMakeLists.txt), from lists of the files that differ between them.
#
# The files that talk to the display library have browser twins named web_*.cpp
# in the same folder; the native build leaves the twins out, and the browser
# build leaves out the native files below. What Windows does its own way
# (fonts from atlases, file names, the console, the pad's device) has twins
# named win_*.cpp, standing in for the Linux files below; the other builds
# leave them out.
set(QZ_NATIVE_ONLY_SOURCES
  platform/display.cpp
  platform/headless_display.cpp
  platform/presentation.cpp
  platform/sdl_clock.cpp
  platform/sdl_event_reader.cpp
  platform/sdl_pad_device.cpp
  platform/sdl_sound_board.cpp
  platform/sdl_surfaces.cpp
  platform/sdl_fonts.cpp
  platform/alsa_sound_device.cpp
  platform/linux_pad_unplug.cpp)
set(QZ_LINUX_ONLY_SOURCES
  platform/sdl_fonts.cpp
  platform/alsa_sound_device.cpp
  platform/posix_host.cpp
  platform/linux_pad_unplug.cpp)

# The folders of src/, as tools/check-layers orders them.
set(QZ_LAYERS core platform controls world items characters view turn program)

# Sets `out` to the .cpp files of the layers under `src` that `build` (native,
# browser or windows) compiles, main.cpp included.
function(qz_game_sources out src build)
  set(globs "")
  foreach(layer ${QZ_LAYERS})
    list(APPEND globs "${src}/${layer}/*.cpp")
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${globs})
  foreach(listed ${QZ_NATIVE_ONLY_SOURCES} ${QZ_LINUX_ONLY_SOURCES})
    if(NOT EXISTS "${src}/${listed}")
      message(FATAL_ERROR "${listed}, listed in ${CMAKE_CURRENT_FUNCTION_LIST_FILE}, is gone")
    endif()
  endforeach()
  if(build STREQUAL "browser")
    foreach(native ${QZ_NATIVE_ONLY_SOURCES})
      list(REMOVE_ITEM sources "${src}/${native}")
    endforeach()
    list(FILTER sources EXCLUDE REGEX "/win_[a-z_]+\\.cpp$")
  elseif(build STREQUAL "native")
    list(FILTER sources EXCLUDE REGEX "/(web|win)_[a-z_]+\\.cpp$")
  elseif(build STREQUAL "windows")
    foreach(linux ${QZ_LINUX_ONLY_SOURCES})
      list(REMOVE_ITEM sources "${src}/${linux}")
    endforeach()
    list(FILTER sources EXCLUDE REGEX "/web_[a-z_]+\\.cpp$")
  else()
    message(FATAL_ERROR "qz_game_sources: no build named ${build}")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
