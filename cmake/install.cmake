# Installing Spanrix as a desktop program, and its Debian package (make package).
include(GNUInstallDirs)

# The one application id: desktop entry, icon, MIME package and the running program's
# desktop file name, so that shells match its windows to the entry.
set(SPANRIX_APP_ID org.spanrix.Spanrix)
target_compile_definitions(spanrix PRIVATE SPANRIX_APP_ID="${SPANRIX_APP_ID}")

install(TARGETS spanrix spanrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The program looks for its catalogue and steel design table in ../share/spanrix beside itself.
file(RELATIVE_PATH catalogue_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/spanrix)
if(NOT catalogue_from_bin STREQUAL "../share/spanrix")
    message(WARNING "With these install directories the installed program will not find "
                    "beams.lst or steel-design-properties.csv (it looks in <bin>/../share/spanrix).")
endif()
install(FILES data/beams.lst data/steel-design-properties.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/spanrix)

configure_file(data/spanrix.desktop.in ${SPANRIX_APP_ID}.desktop @ONLY)
configure_file(data/spanrix.mime.xml.in ${SPANRIX_APP_ID}.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SPANRIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SPANRIX_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The program draws its window icon from the copy built into it; this one is for menus.
install(FILES data/icons/spanrix.svg RENAME ${SPANRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The project has no licence file yet; add it here when it has one.
# Named after the package, as Debian wants, not after the CMake project.
set(spanrix_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/spanrix)
install(FILES README.md DESTINATION ${spanrix_doc_dir})
install(DIRECTORY examples/ DESTINATION ${spanrix_doc_dir}/examples)

add_test(NAME install_desktop_files
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check_install.sh ${CMAKE_BINARY_DIR} ${SPANRIX_APP_ID})
set_tests_properties(install_desktop_files PROPERTIES SKIP_RETURN_CODE 77)

# The Debian package holds exactly what the rules above install. Its dependencies come
# from dpkg-shlibdeps; the desktop's menu, MIME and icon caches are refreshed by the
# triggers of the packages that own them, so no maintainer scripts are needed.
set(SPANRIX_PACKAGE_MAINTAINER "Spanrix developers <maintainers@spanrix.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spanrix)
set(CPACK_PACKAGE_CONTACT "${SPANRIX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of one straight beam")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Spanrix analyses one straight beam under point loads, linearly varying"
    "distributed loads and concentrated moments, on simple supports and fixed ends,"
    "statically indeterminate beams included. It solves the support reactions and"
    "shows bending moment, stress, slope and deflection along the beam."
    "spanrix-cli analyses saved beams in batch.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
