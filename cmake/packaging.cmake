# What `cpack` builds from the install rules: on Linux a Debian package of the designer and the
# command line (`cpack -G DEB`), for Windows a zip of the command line (`cpack -G ZIP`, from the
# MinGW cross-build; see scripts/package-windows.sh).
set(CPACK_PACKAGE_NAME kovrin)
set(CPACK_PACKAGE_VENDOR "Kovrin")
set(CPACK_PACKAGE_CONTACT "Kovrin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designer for game dialogs and their resource-definition code")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kovrin lays out the dialogs of a game mission with the mouse, keeps them in design files "
    "(.kvx) and generates the resource-definition code the game reads. kovrin-cli generates, "
    "converts and checks design files without a display.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "kovrin-cli-${PROJECT_VERSION}-windows-x64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_INSTALL_PREFIX /usr)
    # Install with DESTDIR pointing at the staging folder: the system's databases are left alone
    # (see resources/CMakeLists.txt) and the system's triggers update them on installation.
    set(CPACK_SET_DESTDIR ON)
    # kovrin_<version>_amd64.deb
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION devel)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # They register the file type and the desktop entry when the package's files arrive.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils")
endif()

include(CPack)
