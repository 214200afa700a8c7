# What goes onto a Windows computer: the program, its licence and a short README in Serbian and English,
# all in one folder. `cmake --build . --target packages` makes the zip and the Windows Installer package
# of that folder in dist/.
install(TARGETS tesmora RUNTIME DESTINATION .)
# Texts for Notepad on any Windows 10: a byte-order mark and CR LF line ends.
string(ASCII 239 187 191 TESMORA_BYTE_ORDER_MARK)
foreach(text LICENSE README)
  set(TESMORA_TEXT_SOURCE ${CMAKE_SOURCE_DIR}/LICENSE)
  if(text STREQUAL README)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${CMAKE_BINARY_DIR}/packaging/README.unix @ONLY)
    set(TESMORA_TEXT_SOURCE ${CMAKE_BINARY_DIR}/packaging/README.unix)
  endif()
  file(READ ${TESMORA_TEXT_SOURCE} TESMORA_TEXT)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/${text}.txt CONTENT "${TESMORA_BYTE_ORDER_MARK}${TESMORA_TEXT}"
       @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${text}.txt DESTINATION .)
endforeach()

find_program(TESMORA_WIXL wixl REQUIRED)
find_program(TESMORA_MSIBUILD msibuild REQUIRED)
# The date of the release, from the last line of the newest entry of the changelog.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog TESMORA_TRAILER REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  [A-Za-z]+, " "" TESMORA_RELEASE_DATE "${TESMORA_TRAILER}")
set(TESMORA_STAGE ${CMAKE_BINARY_DIR}/stage/Tesmora)
set(TESMORA_DIST ${CMAKE_BINARY_DIR}/dist)
set(TESMORA_PACKAGE_NAME Tesmora-${PROJECT_VERSION}-x64)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesmora.wxs.in ${CMAKE_BINARY_DIR}/packaging/tesmora.wxs @ONLY)
add_custom_target(packages
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage ${TESMORA_DIST}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${TESMORA_STAGE} --strip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESMORA_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy ${TESMORA_STAGE}/tesmora.exe ${TESMORA_DIST}/
  # The zip holds the folder Tesmora, its files dated with the release, so the same sources give the same bytes.
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
          ${CMAKE_COMMAND} -E tar cf ${TESMORA_DIST}/${TESMORA_PACKAGE_NAME}.zip --format=zip
          --mtime=${TESMORA_RELEASE_DATE} Tesmora
  COMMAND ${TESMORA_WIXL} --arch x64 --output ${TESMORA_DIST}/${TESMORA_PACKAGE_NAME}.msi
          ${CMAKE_BINARY_DIR}/packaging/tesmora.wxs
  # wixl writes its texts in the package's code page, which it leaves neutral (ASCII): the code page
  # becomes Cyrillic (1251), then the Cyrillic entry of the Start menu gets its name.
  COMMAND ${TESMORA_MSIBUILD} ${TESMORA_DIST}/${TESMORA_PACKAGE_NAME}.msi
          -i ${CMAKE_CURRENT_LIST_DIR}/_ForceCodepage.idt
  COMMAND ${TESMORA_MSIBUILD} ${TESMORA_DIST}/${TESMORA_PACKAGE_NAME}.msi -q
          "UPDATE `Shortcut` SET `Name` = 'Тесмора (ћирилица)', `Description` = 'Програмирана настава о именицама' WHERE `Shortcut` = 'Cyrillic'"
  DEPENDS tesmora ${TESMORA_ICON}
  COMMENT "tesmora.exe, ${TESMORA_PACKAGE_NAME}.zip and ${TESMORA_PACKAGE_NAME}.msi in ${TESMORA_DIST}"
  VERBATIM)
