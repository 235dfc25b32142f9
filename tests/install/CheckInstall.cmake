# Installs the build into a fresh prefix and checks that the programs, the
# menu entry, the icons and the file type are where a desktop looks for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
include(GNUInstallDirs)
set(expected
  ${CMAKE_INSTALL_BINDIR}/quorvex
  ${CMAKE_INSTALL_BINDIR}/quorvex-cli
  share/applications/quorvex.desktop
  share/mime/packages/quorvex.xml
  share/icons/hicolor/scalable/apps/quorvex.svg)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/quorvex.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/quorvex.desktop desktop)
foreach(line "Exec=quorvex %f" "Icon=quorvex" "MimeType=application/vnd.nintendo.snes.rom;")
  string(FIND "${desktop}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "quorvex.desktop lacks ${line}")
  endif()
endforeach()
file(READ ${PREFIX}/share/mime/packages/quorvex.xml mime)
foreach(glob "*.smc" "*.sfc" "*.swc")
  string(FIND "${mime}" "pattern=\"${glob}\"" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the file type lacks ${glob}")
  endif()
endforeach()
# The 48 pixel icon is a real picture of that size (PNG header: width, height).
file(READ ${PREFIX}/share/icons/hicolor/48x48/apps/quorvex.png png LIMIT 24 HEX)
if(NOT png MATCHES "^89504e470d0a1a0a0000000d4948445200000030" OR NOT png MATCHES "00000030$")
  message(FATAL_ERROR "the 48 pixel icon is not a 48x48 PNG: ${png}")
endif()
message(STATUS "installed into ${PREFIX}")
