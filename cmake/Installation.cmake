# What `cmake --install` and the Debian package ship besides the module and dvhost:
# the host headers, a CMake package, a pkg-config file and the README.
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/veskplugin2
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(DV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/divideVira)
set(DV_MODUL_PFAD ${DV_MODUL_DIR}/${DV_MODUL_DATEI})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/divideViraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/divideViraConfig.cmake INSTALL_DESTINATION ${DV_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR DV_MODUL_PFAD)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/divideViraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/divideViraConfig.cmake
              ${PROJECT_BINARY_DIR}/divideViraConfigVersion.cmake
        DESTINATION ${DV_CMAKE_DIR})

# The prefix is known only at install time (`--prefix`, or /usr inside the package).
set(DV_PREFIX @DV_PREFIX@)
configure_file(${CMAKE_CURRENT_LIST_DIR}/divideVira.pc.in ${PROJECT_BINARY_DIR}/divideVira.pc.in @ONLY)
install(CODE "
  set(DV_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${PROJECT_BINARY_DIR}/divideVira.pc.in\" \"${PROJECT_BINARY_DIR}/divideVira.pc\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/divideVira.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME dividevira)
set(CPACK_PACKAGE_VENDOR divideVira)
set(CPACK_PACKAGE_CONTACT "divideVira <divide-vira@divide-vira.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "plug-in module of German e-filing: error texts, tax office directory, checks, schema validation")
set(CPACK_PACKAGE_DESCRIPTION
    "The module, its host interface headers, a CMake package, a pkg-config file\nand the host program dvhost.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
