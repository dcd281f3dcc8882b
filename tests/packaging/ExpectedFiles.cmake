# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The files an installation of Tessaro must hold, relative to the prefix.
# tessaro_expected_files(<out-var> <app-id>) also sets <out-var>_ICONS to "<size>;<path>" pairs of the PNG icons.
function(tessaro_expected_files out app_id)
  set(files
    bin/tessaro
    share/applications/${app_id}.desktop
    share/metainfo/${app_id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${app_id}.svg
    share/man/man1/tessaro.1.gz
    share/doc/tessaro/copyright
    share/doc/tessaro/changelog.gz
  )
  set(icons)
  foreach(size 16 24 32 48 64 128 256)
    set(icon share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
    list(APPEND files ${icon})
    list(APPEND icons ${size} ${icon})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
  set(${out}_ICONS ${icons} PARENT_SCOPE)
endfunction()

# Reads a whole line "<key>=<value>" of a desktop entry's main group; fails when the key is missing.
function(tessaro_desktop_value out desktop_file key)
  file(STRINGS ${desktop_file} lines REGEX "^${key}=")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${desktop_file}: expected exactly one ${key}= line, found ${count}")
  endif()
  string(REGEX REPLACE "^${key}=" "" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Stops a check script that was started without one of the -D<name>=... values it needs.
function(tessaro_require_definitions)
  foreach(var ${ARGN})
    if(NOT DEFINED ${var})
      get_filename_component(script ${CMAKE_SCRIPT_MODE_FILE} NAME)
      message(FATAL_ERROR "${script} needs -D${var}=...")
    endif()
  endforeach()
endfunction()
