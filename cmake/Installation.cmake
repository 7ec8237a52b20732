# What `cmake --install` and the Debian packages ship besides the module and dvhost: the host
# headers, a CMake package, a pkg-config file, the README, the licence; and how CPack splits
# it all into Debian packages, one per install component:
#   dividevira          the module, dvhost, its man page and completion, the README
#   libdividevira-dev   the host headers, the CMake package and divideVira.pc: files to build
#                       against, which Debian keeps out of the package that runs
#   libdividevira1, python3-dividevira   the C library and its Python package, where built
include(CMakePackageConfigHelpers)

option(DV_DEBIAN "Install for a Debian package (copyright and changelog per package)" OFF)
set(DV_PAKET dividevira)
set(DV_BETREUER "divideVira <divide-vira@divide-vira.example>")
set(DV_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${DV_PAKET})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/veskplugin2
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT libdividevira-dev)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${DV_DOC_DIR} COMPONENT dividevira)

set(DV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/divideVira)
set(DV_MODUL_PFAD ${DV_MODUL_DIR}/${DV_MODUL_DATEI})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/divideViraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/divideViraConfig.cmake INSTALL_DESTINATION ${DV_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR DV_MODUL_PFAD)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/divideViraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/divideViraConfig.cmake
              ${PROJECT_BINARY_DIR}/divideViraConfigVersion.cmake
        DESTINATION ${DV_CMAKE_DIR} COMPONENT libdividevira-dev)

# The prefix is found from the .pc file's own place, so a moved installation still fits.
file(RELATIVE_PATH DV_PC_ZUM_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" DV_PC_ZUM_PREFIX "${DV_PC_ZUM_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/divideVira.pc.in ${PROJECT_BINARY_DIR}/divideVira.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/divideVira.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT libdividevira-dev)

# The licence: as it is in a plain installation; in the packages as Debian's machine-readable
# copyright file, with the changelog made from NEWS.md, in each package's own doc directory.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE DV_MIT_TEXT)
string(STRIP "${DV_MIT_TEXT}" DV_MIT_TEXT)
string(REGEX REPLACE "\n\n" "\n.\n" DV_MIT_TEXT "${DV_MIT_TEXT}")
string(REGEX REPLACE "\n" "\n " DV_MIT_TEXT " ${DV_MIT_TEXT}")
configure_file(${PROJECT_SOURCE_DIR}/debian/copyright.in ${PROJECT_BINARY_DIR}/debian/copyright
               @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/gen_debian_changelog.py
          --news ${PROJECT_SOURCE_DIR}/NEWS.md --paket ${DV_PAKET} --betreuer "${DV_BETREUER}"
          --out ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md ${PROJECT_SOURCE_DIR}/tools/gen_debian_changelog.py
  COMMENT "Generating changelog.Debian.gz from NEWS.md" VERBATIM)
add_custom_target(dv_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz)
get_cmake_property(DV_KOMPONENTEN COMPONENTS)
if(DV_DEBIAN)
  foreach(komponente IN LISTS DV_KOMPONENTEN)
    install(FILES ${PROJECT_BINARY_DIR}/debian/copyright
                  ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${komponente} COMPONENT ${komponente})
    # The packages are not uploaded to Debian, so no bug report announces them that the first
    # changelog entry could close.
    file(WRITE ${PROJECT_BINARY_DIR}/debian/overrides/${komponente}
         "${komponente}: initial-upload-closes-no-bugs\n")
    install(FILES ${PROJECT_BINARY_DIR}/debian/overrides/${komponente}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT ${komponente})
  endforeach()
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/NEWS.md
          DESTINATION ${DV_DOC_DIR} COMPONENT dividevira)
endif()

set(CPACK_PACKAGE_NAME ${DV_PAKET})
set(CPACK_PACKAGE_VENDOR divideVira)
set(CPACK_PACKAGE_CONTACT "${DV_BETREUER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://divide-vira.example/")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dvhost links the C library of its sibling package, which dpkg-shlibdeps finds in the build
# tree; the dependency on that package is written below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/capi)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebLdconfigTrigger.cmake)
set(dv_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

# Per package: name, section, description (synopsis, then the long text), relations.
set(CPACK_DEBIAN_DIVIDEVIRA_PACKAGE_NAME dividevira)
set(CPACK_DEBIAN_DIVIDEVIRA_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_DIVIDEVIRA_DESCRIPTION "plug-in module of German electronic tax filing
The module that a client library of German electronic tax filing loads: German
error texts, the tax office directory with checks and conversions of tax
numbers, IBAN, BIC and identification numbers, and XML schema validation of
transfer documents. With the host program dvhost, which runs its services
from the command line.")
set(CPACK_DEBIAN_DIVIDEVIRA_PACKAGE_RECOMMENDS bash-completion)
if(libdividevira1 IN_LIST DV_KOMPONENTEN)
  set(CPACK_DEBIAN_DIVIDEVIRA_PACKAGE_DEPENDS "libdividevira1 (= ${dv_version})")
endif()

set(CPACK_DEBIAN_LIBDIVIDEVIRA1_PACKAGE_NAME libdividevira1)
set(CPACK_DEBIAN_LIBDIVIDEVIRA1_PACKAGE_SECTION libs)
# CPack generates shlibs only for all packages at once, which would also declare the module in
# its private directory; so the C library's entry is written here.
file(WRITE ${PROJECT_BINARY_DIR}/debian/libdividevira1/shlibs
     "libdividevira 1 libdividevira1 (>= ${PROJECT_VERSION})\n")
set(CPACK_DEBIAN_LIBDIVIDEVIRA1_PACKAGE_CONTROL_EXTRA
    ${PROJECT_BINARY_DIR}/debian/libdividevira1/shlibs)
set(CPACK_DEBIAN_LIBDIVIDEVIRA1_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_LIBDIVIDEVIRA1_DESCRIPTION "C library of the divideVira checks
A C interface to the identifier checks and texts of divideVira: tax numbers,
IBAN, BIC, identification and VAT numbers, and the error texts.")

set(CPACK_DEBIAN_LIBDIVIDEVIRA-DEV_PACKAGE_NAME libdividevira-dev)
set(CPACK_DEBIAN_LIBDIVIDEVIRA-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBDIVIDEVIRA-DEV_DESCRIPTION "development files of divideVira
Headers of the host interfaces, a CMake package and pkg-config files, to build
a host that loads the divideVira module, or a program that links its C
library.")
set(dv_dev_abhaengig "dividevira (= ${dv_version})")
if(libdividevira1 IN_LIST DV_KOMPONENTEN)
  string(APPEND dv_dev_abhaengig ", libdividevira1 (= ${dv_version})")
endif()
set(CPACK_DEBIAN_LIBDIVIDEVIRA-DEV_PACKAGE_DEPENDS "${dv_dev_abhaengig}")

set(CPACK_DEBIAN_PYTHON3-DIVIDEVIRA_PACKAGE_NAME python3-dividevira)
set(CPACK_DEBIAN_PYTHON3-DIVIDEVIRA_PACKAGE_SECTION python)
# The extension links the C entry points itself and is built for CPython 3.11.
set(CPACK_DEBIAN_PYTHON3-DIVIDEVIRA_PACKAGE_DEPENDS "python3 (>= 3.11~), python3 (<< 3.12)")
set(CPACK_DEBIAN_PYTHON3-DIVIDEVIRA_DESCRIPTION "Python interface to the divideVira checks
Python bindings of the divideVira C library: checks of tax numbers, IBAN, BIC,
identification and VAT numbers, and the error texts.")
include(CPack)
