# Installs the build into a fresh prefix and checks that everything a user
# needs is there: the programs, the desktop entry (valid), the icon, the
# manual page and the demonstration data.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result})")
endif()

set(expected
  bin/zembu bin/zembu-cli bin/twinspan
  share/applications/zembu.desktop
  share/icons/hicolor/scalable/apps/zembu.svg
  share/man/man1/zembu-cli.1
  share/zembu/demo/demo.vod share/zembu/demo/demo.str share/zembu/demo/demo.exp share/zembu/demo/demo.csv
  share/zembu/demo/turboveg/demo.cc! share/zembu/demo/turboveg/demo.exp share/zembu/demo/turboveg/demo.str
  share/zembu/demo/turboveg/species.txt)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/zembu.desktop"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR output MATCHES "error")
    message(FATAL_ERROR "invalid desktop entry: ${output}")
  endif()
else()
  message(FATAL_ERROR "desktop-file-validate is missing (scripts/install-deps installs it)")
endif()

# The installed command-line tool runs and reads the installed demo table.
execute_process(COMMAND "${PREFIX}/bin/zembu-cli" info "${PREFIX}/share/zembu/demo/demo.vod"
                RESULT_VARIABLE result OUTPUT_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output MATCHES "relevés: 300")
  message(FATAL_ERROR "the installed zembu-cli cannot read the demo table: ${output}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
