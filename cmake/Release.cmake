# The release: dist/Quenvolet-<version>.zip in the build folder, made from
# the 32-bit build with the editor when it is built, the help page, the
# sample configuration and the readme for Windows users. Each executable is
# checked to run on a bare Windows: a 32-bit PE file importing system DLLs only.
if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  return()
endif()

set(QV_DIST_NAME Quenvolet-${QV_VERSION})
set(QV_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(QV_DIST_ZIP ${QV_DIST_DIR}/${QV_DIST_NAME}.zip)
set(QV_RELEASE_PROGRAMS Quenvolt)
if(TARGET QVconfig)
  list(APPEND QV_RELEASE_PROGRAMS QVconfig)
endif()

set(QV_RELEASE_FILES ${CMAKE_SOURCE_DIR}/docs/Quenvolt.html ${CMAKE_SOURCE_DIR}/samples/Quenvolt.INI
    ${CMAKE_SOURCE_DIR}/samples/ReadMe.txt)
set(QV_RELEASE_EXES)
foreach(program ${QV_RELEASE_PROGRAMS})
  list(APPEND QV_RELEASE_EXES $<TARGET_FILE:${program}>)
endforeach()

add_custom_command(OUTPUT ${QV_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QV_DIST_DIR}/${QV_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DIST_DIR}/${QV_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy ${QV_RELEASE_EXES} ${QV_RELEASE_FILES} ${QV_DIST_DIR}/${QV_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${QV_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QV_DIST_ZIP} --format=zip ${QV_DIST_NAME}
  WORKING_DIRECTORY ${QV_DIST_DIR}
  DEPENDS ${QV_RELEASE_PROGRAMS} ${QV_RELEASE_FILES}
  COMMENT "Packing ${QV_DIST_NAME}.zip"
  VERBATIM)
add_custom_target(release ALL DEPENDS ${QV_DIST_ZIP})

find_program(QV_OBJDUMP NAMES ${CMAKE_OBJDUMP} i686-w64-mingw32-objdump REQUIRED)
foreach(program ${QV_RELEASE_PROGRAMS})
  add_test(NAME release.imports.${program}
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${QV_OBJDUMP} -DFILE=$<TARGET_FILE:${program}>
                   -P ${CMAKE_SOURCE_DIR}/cmake/CheckImports.cmake)
  add_test(NAME release.scale.${program}
           COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${program}> -P ${CMAKE_SOURCE_DIR}/cmake/CheckAwareness.cmake)
endforeach()
string(REPLACE ";" "," QV_RELEASE_NAMES "${QV_RELEASE_PROGRAMS}")
add_test(NAME release.archive
         COMMAND ${CMAKE_COMMAND} -DZIP=${QV_DIST_ZIP} -DTOP=${QV_DIST_NAME} -DPROGRAMS=${QV_RELEASE_NAMES}
                 -P ${CMAKE_SOURCE_DIR}/cmake/CheckRelease.cmake)
