# tesmora.exe: a windowed program (no console window), with the course's icon, its manifest and a version
# resource, and nothing to load beside it but Windows' own DLLs (the toolchain links everything in).
enable_language(RC)

# The icon at the sizes Windows shows it, from 16 px (100 %) to 256 px, drawn from the course's SVG.
find_program(TESMORA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TESMORA_ICOTOOL icotool REQUIRED)
set(TESMORA_ICON_SVG ${CMAKE_SOURCE_DIR}/packaging/org.tesmora.tesmora.svg)
set(TESMORA_ICON ${CMAKE_BINARY_DIR}/packaging/tesmora.ico)
set(TESMORA_ICON_PNGS)
foreach(size 16 20 24 32 40 48 64 256)
  set(png ${CMAKE_BINARY_DIR}/packaging/icon/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icon
    COMMAND ${TESMORA_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${TESMORA_ICON_SVG}
    DEPENDS ${TESMORA_ICON_SVG}
    VERBATIM)
  list(APPEND TESMORA_ICON_PNGS ${png})
endforeach()
# The largest is kept as PNG inside the icon, as Windows takes it; the others as bitmaps.
list(POP_BACK TESMORA_ICON_PNGS TESMORA_ICON_LARGEST)
add_custom_command(OUTPUT ${TESMORA_ICON}
  COMMAND ${TESMORA_ICOTOOL} --create --output ${TESMORA_ICON} ${TESMORA_ICON_PNGS} --raw=${TESMORA_ICON_LARGEST}
  DEPENDS ${TESMORA_ICON_PNGS} ${TESMORA_ICON_LARGEST}
  VERBATIM)

set(TESMORA_MANIFEST ${CMAKE_BINARY_DIR}/packaging/tesmora.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesmora.manifest.in ${TESMORA_MANIFEST} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesmora.rc.in ${CMAKE_BINARY_DIR}/packaging/tesmora.rc @ONLY)
target_sources(tesmora PRIVATE ${CMAKE_BINARY_DIR}/packaging/tesmora.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/packaging/tesmora.rc PROPERTIES
  OBJECT_DEPENDS "${TESMORA_ICON};${TESMORA_MANIFEST}")
set_target_properties(tesmora PROPERTIES WIN32_EXECUTABLE TRUE)
