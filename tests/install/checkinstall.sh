#!/bin/sh
# Checks an installed copy of the program. The test set-up passes, in the environment:
#   CMAKE_COMMAND   the cmake that built the tree       BUILD_DIR  the build tree
#   PREFIX          where `tree` installs it            LIBDIR     the library folder under a prefix
#   WORK_DIR        a private folder for this check     CONSUMER   the source of a program using Tolvane
#   APP_ID          the application id                  VERSION    the project's version
# and the one argument names the check.
set -eu

# The library's ABI number is the major version.
TOLVANE_SO="libtolvane.so.${VERSION%%.*}"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expect_file() {
    [ -f "$1" ] || fail "$1 is not installed"
}

# Runs the self-check of the program installed under $1, output in $WORK_DIR/report; returns its status.
self_check() {
    QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$WORK_DIR/config" "$1/bin/corvale" --self-check >"$WORK_DIR/report" 2>&1
}

expect_report() {
    grep -qF "$1" "$WORK_DIR/report" || fail "the self-check did not report \"$1\": $(cat "$WORK_DIR/report")"
}

# A copy of the installed tree at another place, for checks that change it or move it.
copy_of_prefix() {
    cp -a "$PREFIX" "$WORK_DIR/moved"
    echo "$WORK_DIR/moved"
}

rm -rf "$WORK_DIR"
mkdir -p "$WORK_DIR"

case "$1" in
tree)
    rm -rf "$PREFIX"
    "$CMAKE_COMMAND" --install "$BUILD_DIR" --prefix "$PREFIX"
    ;;
layout)
    expect_file "$PREFIX/lib/corvale/corvale"
    expect_file "$PREFIX/lib/corvale/commands.dat"
    expect_file "$PREFIX/lib/corvale/command-summaries.tsv"
    launcher=$(readlink "$PREFIX/bin/corvale") || fail "bin/corvale is not a symlink"
    case "$launcher" in /*) fail "bin/corvale points at an absolute path: $launcher" ;; esac
    [ "$PREFIX/bin/corvale" -ef "$PREFIX/lib/corvale/corvale" ] || fail "bin/corvale does not lead to the program"
    expect_file "$PREFIX/$LIBDIR/$TOLVANE_SO"
    expect_file "$PREFIX/include/tolvane/cmru.h"
    expect_file "$PREFIX/$LIBDIR/cmake/Tolvane/TolvaneConfig.cmake"
    expect_file "$PREFIX/share/applications/$APP_ID.desktop"
    expect_file "$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
    expect_file "$PREFIX/share/mime/packages/$APP_ID.xml"
    expect_file "$PREFIX/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    ;;
self-check)
    self_check "$PREFIX" || fail "the self-check failed: $(cat "$WORK_DIR/report")"
    expect_report "catalogue: $PREFIX/lib/corvale/commands.dat, version"
    expect_report "library: $PREFIX/$LIBDIR/$TOLVANE_SO,"
    ;;
moved)
    # Nothing in the tree names its prefix: moved elsewhere, it runs from its new place.
    moved=$(copy_of_prefix)
    self_check "$moved" || fail "the moved copy failed: $(cat "$WORK_DIR/report")"
    expect_report "catalogue: $moved/lib/corvale/commands.dat,"
    expect_report "library: $moved/$LIBDIR/$TOLVANE_SO,"
    ;;
bad-catalogue)
    moved=$(copy_of_prefix)
    printf '//1.0\r\n{Quake}\r\n[Walking]\r\n' >"$moved/lib/corvale/commands.dat"
    ! self_check "$moved" || fail "a catalogue without commands passed"
    expect_report "0 commands"
    expect_report "library: $moved/$LIBDIR/$TOLVANE_SO,"
    rm "$moved/lib/corvale/commands.dat"
    ! self_check "$moved" || fail "a missing catalogue passed"
    expect_report "commands.dat cannot be read"
    ;;
arguments)
    # With anything beside it, --self-check is part of a file name like any other argument,
    # so the program goes on to start its windows and, without a display, says so.
    for arguments in "--self-check extra" "extra --self-check"; do
        # $arguments splits into the words the program is given.
        if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PREFIX/bin/corvale" $arguments >"$WORK_DIR/report" 2>&1; then
            fail "corvale $arguments started without a display"
        fi
        expect_report "no display found"
        ! grep -qF "self-check" "$WORK_DIR/report" || fail "corvale $arguments ran the self-check"
    done
    ;;
appstream)
    command -v appstreamcli >/dev/null 2>&1 || { echo "skipped: appstreamcli is not installed"; exit 77; }
    appstreamcli validate-tree --no-net --explain "$PREFIX"
    ;;
tolvane)
    # Another program finds the library with find_package(Tolvane) and runs with it.
    CMAKE_PREFIX_PATH="$PREFIX" "$CMAKE_COMMAND" -S "$CONSUMER" -B "$WORK_DIR/consumer" -DCMAKE_BUILD_TYPE=Release \
        -DTOLVANE_VERSION="$VERSION"
    "$CMAKE_COMMAND" --build "$WORK_DIR/consumer"
    XDG_CONFIG_HOME="$WORK_DIR/config" "$WORK_DIR/consumer/consumer"
    ;;
*)
    fail "unknown check $1"
    ;;
esac
