# quenvolet_program(<name> ENTRY <source> LIBRARY <target> ICON <picture> FLAGS <flags...>
#                   LIMIT <bytes> OUTPUT_DIRECTORY <folder>)
# One of the two programs: its entry point linked with the library of its
# units and the runtime statically, stripped; its resources/<name>.rc with the
# icon drawn at build time (target <picture>_icon), its manifest and the
# version resource; the help page copied beside it, where its F1 looks; and
# its footprint checked on the 32-bit build, which fails over the limit.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(quenvolet_program name)
  cmake_parse_arguments(P "" "ENTRY;LIBRARY;ICON;LIMIT;OUTPUT_DIRECTORY" "FLAGS" ${ARGN})
  set(resources ${CMAKE_CURRENT_SOURCE_DIR}/resources)
  set(drawn ${CMAKE_CURRENT_BINARY_DIR}/resources)

  set(icon ${drawn}/${P_ICON}.ico)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${drawn}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_icons.py ${P_ICON} ${icon}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_icons.py
    COMMENT "Drawing the icon ${P_ICON}")
  add_custom_target(${P_ICON}_icon DEPENDS ${icon})

  add_executable(${name} WIN32 ${P_ENTRY} ${resources}/${name}.rc)
  add_dependencies(${name} ${P_ICON}_icon)
  target_compile_options(${name} PRIVATE ${P_FLAGS})
  target_link_libraries(${name} PRIVATE ${P_LIBRARY})
  target_link_options(${name} PRIVATE -static -s -Wl,--gc-sections)
  set_source_files_properties(${resources}/${name}.rc PROPERTIES
    OBJECT_DEPENDS "${icon};${resources}/${name}.manifest;${CMAKE_SOURCE_DIR}/common/VersionInfo.rc;${CMAKE_BINARY_DIR}/generated/QuenvoletVersion.h")
  target_include_directories(${name} PRIVATE ${drawn} ${resources} ${QV_VERSION_RC_INCLUDES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${P_OUTPUT_DIRECTORY})

  set(page ${P_OUTPUT_DIRECTORY}/Quenvolt.html)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/Quenvolt.html ${page}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/Quenvolt.html)
  add_custom_target(${name}_help_page ALL DEPENDS ${page})

  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(check ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${name}> -DLIMIT=${P_LIMIT} -P ${CMAKE_SOURCE_DIR}/cmake/CheckSize.cmake)
    add_custom_command(TARGET ${name} POST_BUILD COMMAND ${check})
    add_test(NAME size.${name} COMMAND ${check})
  endif()
endfunction()
