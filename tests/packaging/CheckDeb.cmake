# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack into an empty folder and checks its control fields and its files.
#
#   cmake -DBUILD_DIR=<build> -DOUT_DIR=<empty dir> -DAPP_ID=<id> -DVERSION=<version> -P CheckDeb.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectedFiles.cmake)
tessaro_require_definitions(BUILD_DIR OUT_DIR APP_ID VERSION)

function(run out)
  execute_process(COMMAND ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${result}):\n${output}${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${OUT_DIR})
run(ignored cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR})

run(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
set(deb ${OUT_DIR}/tessaro_${VERSION}_${architecture}.deb)
if(NOT EXISTS ${deb})
  file(GLOB built ${OUT_DIR}/*.deb)
  message(FATAL_ERROR "cpack made no ${deb}; it made: ${built}")
endif()

set(failures)

# Control fields.
function(expect_field field pattern)
  run(value dpkg-deb --field ${deb} ${field})
  string(STRIP "${value}" value)
  if(NOT value MATCHES "${pattern}")
    set(failures ${failures} "${field}: '${value}' does not match '${pattern}'" PARENT_SCOPE)
  endif()
endfunction()
expect_field(Package "^tessaro$")
expect_field(Version "^${VERSION}$")
expect_field(Architecture "^${architecture}$")
expect_field(Section "^education$")
expect_field(Maintainer "^Tessaro-Team <tessaro@example.org>$")
# Computed from the program's libraries by dpkg-shlibdeps, and the font the dialogs are laid out for.
expect_field(Depends "(^|, )libqt6widgets6 \\(>= [^)]+\\)(,|$)")
expect_field(Depends "(^|, )libqt6core6 \\(>= [^)]+\\)(,|$)")
expect_field(Depends "(^|, )libc6 \\(>= [^)]+\\)(,|$)")
expect_field(Depends "(^|, )fonts-liberation2(,|$)")
expect_field(Description "^[^\n]+\n .+complex numbers")

# Files: every one an installation needs, under /usr.
run(listing dpkg-deb --contents ${deb})
tessaro_expected_files(expected ${APP_ID})
foreach(file IN LISTS expected)
  if(NOT listing MATCHES " \\./usr/${file}\n")
    list(APPEND failures "missing in the package: /usr/${file}")
  endif()
endforeach()
if(NOT listing MATCHES "\n-rwxr-xr-x root/root +[0-9]+ [^\n]* \\./usr/bin/tessaro\n")
  list(APPEND failures "/usr/bin/tessaro is not an executable owned by root:\n${listing}")
endif()

# Debian's own check of the package, its copyright file included.
execute_process(COMMAND lintian --fail-on error,warning ${deb} RESULT_VARIABLE lintian_failed
  OUTPUT_VARIABLE lintian_output ERROR_VARIABLE lintian_output)
if(lintian_failed)
  list(APPEND failures "lintian:\n${lintian_output}")
endif()

if(failures)
  list(JOIN failures "\n  " message)
  message(FATAL_ERROR "${deb} is not as it should be:\n  ${message}")
endif()
message(STATUS "${deb} has the expected fields and files")
