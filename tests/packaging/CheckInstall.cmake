# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into an empty prefix and checks that a desktop can find, start and show Tessaro there.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty dir> -DAPP_ID=<id> -DVERSION=<version> -P CheckInstall.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectedFiles.cmake)
tessaro_require_definitions(BUILD_DIR PREFIX APP_ID VERSION)

file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(failures)

tessaro_expected_files(expected ${APP_ID})
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND failures "missing: ${file}")
  endif()
endforeach()

# Each PNG must have the size of the hicolor folder it lies in (width and height: bytes 16 to 23 of the file).
set(icons ${expected_ICONS})
while(icons)
  list(POP_FRONT icons size file)
  if(EXISTS ${PREFIX}/${file})
    file(READ ${PREFIX}/${file} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
      list(APPEND failures "not a PNG: ${file}")
    elseif(NOT width EQUAL size OR NOT height EQUAL size)
      list(APPEND failures "${file} is ${width}x${height}, not ${size}x${size}")
    endif()
  endif()
endwhile()

set(svg share/icons/hicolor/scalable/apps/${APP_ID}.svg)
if(EXISTS ${PREFIX}/${svg})
  file(READ ${PREFIX}/${svg} svg_text)
  if(NOT svg_text MATCHES "<svg[ \n]")
    list(APPEND failures "not an SVG: ${svg}")
  endif()
endif()

# The program must be an executable file.
if(EXISTS ${PREFIX}/bin/tessaro)
  execute_process(COMMAND test -x ${PREFIX}/bin/tessaro RESULT_VARIABLE not_executable)
  if(not_executable)
    list(APPEND failures "bin/tessaro is not executable")
  endif()
endif()

# The installed program must load the system's libraries only, with no search path of its own.
if(EXISTS ${PREFIX}/bin/tessaro)
  execute_process(COMMAND readelf --dynamic ${PREFIX}/bin/tessaro
    RESULT_VARIABLE readelf_failed OUTPUT_VARIABLE dynamic_section ERROR_VARIABLE dynamic_section)
  if(readelf_failed)
    list(APPEND failures "readelf cannot read bin/tessaro:\n${dynamic_section}")
  elseif(dynamic_section MATCHES "\\((RPATH|RUNPATH)\\)[^\n]*")
    list(APPEND failures "bin/tessaro has a library search path: ${CMAKE_MATCH_0}")
  endif()
endif()

# The desktop entry must start the installed program and name an installed icon.
set(desktop share/applications/${APP_ID}.desktop)
if(EXISTS ${PREFIX}/${desktop})
  tessaro_desktop_value(exec ${PREFIX}/${desktop} Exec)
  string(REGEX REPLACE " .*" "" exec_program "${exec}")
  if(NOT EXISTS ${PREFIX}/bin/${exec_program})
    list(APPEND failures "${desktop}: Exec=${exec} names no program in bin/")
  endif()
  tessaro_desktop_value(icon ${PREFIX}/${desktop} Icon)
  file(GLOB icon_files ${PREFIX}/share/icons/hicolor/*/apps/${icon}.png ${PREFIX}/share/icons/hicolor/*/apps/${icon}.svg)
  list(LENGTH icon_files icon_count)
  if(icon_count EQUAL 0)
    list(APPEND failures "${desktop}: Icon=${icon} names no installed icon")
  endif()
endif()

# The metainfo must describe this version and launch the installed desktop entry.
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS ${PREFIX}/${metainfo})
  file(READ ${PREFIX}/${metainfo} metainfo_text)
  if(NOT metainfo_text MATCHES "<id>([^<]*)</id>" OR NOT CMAKE_MATCH_1 STREQUAL APP_ID)
    list(APPEND failures "${metainfo}: <id> is not ${APP_ID}")
  endif()
  if(NOT metainfo_text MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>")
    list(APPEND failures "${metainfo}: no desktop-id launchable")
  elseif(NOT EXISTS ${PREFIX}/share/applications/${CMAKE_MATCH_1})
    list(APPEND failures "${metainfo}: launchable ${CMAKE_MATCH_1} is not installed")
  endif()
  if(NOT metainfo_text MATCHES "<release version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    list(APPEND failures "${metainfo}: the newest release is not version ${VERSION}")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " message)
  message(FATAL_ERROR "The installation in ${PREFIX} is not as it should be:\n  ${message}")
endif()
list(LENGTH expected count)
message(STATUS "All ${count} expected files are installed in ${PREFIX}")
