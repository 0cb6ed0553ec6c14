# Writes the package's machine-readable copyright file: the game's own
# paragraphs, then the font's, taken word for word from the copyright file of
# the Debian package the font is copied from, with the licence text it names.
#
#   cmake -DGAME=<copyright.in, configured> -DFONT=<font package's copyright>
#         -DFONT_FILE=<name the game opens> -DOUTPUT=<file> -P debian_copyright.cmake

# The paragraph of a DEP-5 file that starts with <start>, up to the blank line
# that ends it.
function(paragraph text start out)
  string(FIND "${text}" "\n${start}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${FONT} has no paragraph '${start}'")
  endif()
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${text}" ${at} -1 rest)
  string(FIND "${rest}" "\n\n" end)
  if(NOT end EQUAL -1)
    string(SUBSTRING "${rest}" 0 ${end} rest)
  endif()
  set(${out} "${rest}" PARENT_SCOPE)
endfunction()

file(READ "${GAME}" game)
file(READ "${FONT}" font)
paragraph("${font}" "Files: *" fontFiles)
paragraph("${font}" "License: AGPL-3" fontLicence)
string(REGEX REPLACE "^Files: \\*\n" "" fontFiles "${fontFiles}")
string(REPLACE " " "?" pattern "${FONT_FILE}")
file(WRITE "${OUTPUT}" "${game}
Files: ${pattern}
${fontFiles}
Comment: URW Bookman Demi Italic from Debian's fonts-urw-base35, copied
 under the file name the game opens.

${fontLicence}
")
