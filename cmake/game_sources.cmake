# The game's sources in src/, for the native build (src/CMakeLists.txt), the
# browser build (web/CMakeLists.txt) and the Windows build
# (windows/CMakeLists.txt).
#
# Every layer is compiled whole, except the platform: its own folder holds what
# every host shares (the canvas, the draw list, the sound board, the schedule
# and the interfaces the hosts carry out), and each host has a folder under it:
#   platform/sdl/    the desktop's display library: window, events, pad, sound
#   platform/posix/  POSIX's file names and folders, for Linux and the page
#   platform/linux/  Linux's own: ALSA, the system's fonts, the pad's device
#                    files
#   platform/win/    Windows' own: wide file names, the console, fonts from
#                    atlases, the pad's device
#   platform/web/    the browser's: the page's canvas, clock, events and sound
# A build names the host folders it takes; a new host is a new folder.
set(QZ_HOST_FOLDERS_native sdl posix linux)
set(QZ_HOST_FOLDERS_windows sdl win)
set(QZ_HOST_FOLDERS_browser posix web)

# The folders of src/, as tools/check-layers orders them.
set(QZ_LAYERS core platform controls world items characters view turn program)

# Sets `out` to the .cpp files of the layers under `src` that `build` (native,
# browser or windows) compiles, main.cpp included.
function(qz_game_sources out src build)
  if(NOT DEFINED QZ_HOST_FOLDERS_${build})
    message(FATAL_ERROR "qz_game_sources: no build named ${build}")
  endif()
  # A host folder that no build names would be compiled by none, silently.
  file(GLOB entries LIST_DIRECTORIES true "${src}/platform/*")
  foreach(entry ${entries})
    get_filename_component(name "${entry}" NAME)
    if(IS_DIRECTORY "${entry}" AND NOT name IN_LIST QZ_HOST_FOLDERS_native
       AND NOT name IN_LIST QZ_HOST_FOLDERS_windows AND NOT name IN_LIST QZ_HOST_FOLDERS_browser)
      message(FATAL_ERROR "src/platform/${name}/ is no build's host folder (${CMAKE_CURRENT_FUNCTION_LIST_FILE})")
    endif()
  endforeach()
  set(globs "")
  foreach(layer ${QZ_LAYERS})
    if(layer STREQUAL "platform")
      list(APPEND globs "${src}/platform/*.cpp")
      foreach(host ${QZ_HOST_FOLDERS_${build}})
        list(APPEND globs "${src}/platform/${host}/*.cpp")
      endforeach()
    else()
      list(APPEND globs "${src}/${layer}/*.cpp")
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
