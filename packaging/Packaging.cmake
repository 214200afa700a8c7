# Installing the course as a desktop application, and the Debian package.
include(GNUInstallDirs)

# Directories made by an install are 0755 whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(TESMORA_APP_ID org.tesmora.tesmora)
install(TARGETS tesmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TESMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TESMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TESMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog go compressed as Debian wants them: gzip at its best, with no name
# or time stamp inside, so that the same sources give the same bytes.
find_program(TESMORA_GZIP gzip REQUIRED)
set(TESMORA_GZIPPED)
foreach(file tesmora.1 changelog)
  set(gzipped ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${file} ${CMAKE_BINARY_DIR}/packaging/${file}
    COMMAND ${TESMORA_GZIP} -9nf ${CMAKE_BINARY_DIR}/packaging/${file}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${file}
    VERBATIM)
  list(APPEND TESMORA_GZIPPED ${gzipped})
endforeach()
add_custom_target(tesmora_docs ALL DEPENDS ${TESMORA_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/tesmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The licence in Debian's machine-readable form, and the history of releases. The package is named in
# lower case, whatever the project is called.
set(TESMORA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tesmora)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${TESMORA_DOCDIR})
# The project has no homepage, so the metainfo names none. AppStream 1.0 (Debian 13) warns of that, and
# the lintian of Debian 13 calls the metainfo invalid for that warning alone (appstream-metadata-validation-
# failed); the package tells it so. The lintian of Debian 12 has no such tag and would take the override
# itself for an error, so it goes only where the lintian of the build knows the tag.
find_program(TESMORA_LINTIAN_EXPLAIN lintian-explain-tags)
if(TESMORA_LINTIAN_EXPLAIN)
  execute_process(COMMAND ${TESMORA_LINTIAN_EXPLAIN} appstream-metadata-validation-failed
                  RESULT_VARIABLE TESMORA_LINTIAN_TAG_STATUS OUTPUT_QUIET ERROR_QUIET)
  if(TESMORA_LINTIAN_TAG_STATUS EQUAL 0)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tesmora)
  endif()
endif()
# The compiler's name and version, which GCC writes into every object, are of no use in the program
# installed: Debian's own packaging strips them, and lintian asks for that (binary-has-unneeded-section).
if(CMAKE_OBJCOPY)
  install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tesmora\"
                                COMMAND_ERROR_IS_FATAL ANY)")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmora)
set(CPACK_PACKAGE_VENDOR "Tesmora")
set(CPACK_PACKAGE_CONTACT "Tesmora <tesmora@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programmed instruction on the morphology of Serbian nouns")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tesmora is a desktop course for one pupil working alone: programmed
instruction, in the linear model, on the morphology of Serbian nouns
(gender, number, case, declension and the kinds of nouns).

The pupil walks one fixed path, an introduction and ten steps holding 26
tasks, and answers each task by typing, clicking words, ticking boxes or
choosing options. A wrong answer is refused and the course does not move on.
Two clocks run throughout, and a results screen shows the time of each step.
All screen text is in Serbian; nothing is stored between runs.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
