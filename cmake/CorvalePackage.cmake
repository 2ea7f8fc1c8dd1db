# The Debian package: `cpack -G DEB` in the build folder. It installs the same layout as
# `cmake --install` under /usr.
set(CPACK_PACKAGE_NAME corvale)
set(CPACK_PACKAGE_VENDOR "Corvale")
set(CPACK_PACKAGE_CONTACT "Vantor <vantor@corvale.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvale.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "key-binding script editor for Quake and Quake 2")
set(CPACK_PACKAGE_DESCRIPTION
"Quake and Quake 2 read their key bindings from console scripts, config (.cfg)
and script (.scr) files in which every line is a console command. Corvale
composes bind, set and alias lines, picks commands from a catalogue of both
games' console commands, composes player names from the game's own console
glyphs, and opens and saves scripts byte for byte.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt's SVG image plug-in draws the icons and is loaded at run time, so no linker sees that it
# is needed. The libraries the binaries link come from dpkg-shlibdeps (package dpkg-dev);
# without it they are listed here, or the package would install without them.
set(qt_at_least "(>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR})")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 ${qt_at_least}")
find_program(CORVALE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVALE_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    message(STATUS "dpkg-shlibdeps not found: the Debian package names its Qt libraries by hand")
    foreach(library core gui widgets network)
        string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6${library}6 ${qt_at_least}")
    endforeach()
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
# Tolvane is a shared library others may link: tell dpkg about it and refresh the loader's cache.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

include(CPack)
