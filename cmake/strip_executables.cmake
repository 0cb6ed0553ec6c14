# Run by CPack on the staged package before it is packed: strips the
# executables the way Debian's dh_strip does, without the compiler's
# .comment and .note sections that a plain strip leaves in.
set(folder "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_QZ_EXECUTABLE_DIR}")
file(GLOB executables "${folder}/*")
if(NOT executables)
  message(FATAL_ERROR "no executable staged in ${folder}")
endif()
foreach(executable IN LISTS executables)
  execute_process(
    COMMAND "${CPACK_QZ_STRIP}" --remove-section=.comment --remove-section=.note "${executable}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
