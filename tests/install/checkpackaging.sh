#!/bin/sh
# Validates the desktop files as shipped. Exits 77 (skipped) when the validating tool is not
# installed; tools/dev installs all of them.
#   checkpackaging.sh desktop FILE | metainfo FILE | mime FILE WORKDIR
set -eu

require() {
    command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed"; exit 77; }
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

case "$1" in
desktop)
    require desktop-file-validate
    desktop-file-validate "$2"
    ;;
metainfo)
    require appstreamcli
    appstreamcli validate --no-net --explain "$2"
    ;;
mime)
    # Build a private MIME database from the file alone, the way the system database is
    # built on install, and look the type up in it. The tool reports a file it cannot parse
    # but still succeeds, so anything it says is a failure.
    require update-mime-database
    database="$3/mime"
    rm -rf "$3"
    mkdir -p "$database/packages"
    cp "$2" "$database/packages/"
    XDG_DATA_HOME="$3" update-mime-database "$database" >"$3/report" 2>&1
    [ ! -s "$3/report" ] || fail "update-mime-database: $(cat "$3/report")"
    for pattern in '*.cfg' '*.scr'; do
        grep -qxF "50:text/x-quake-config:$pattern" "$database/globs2" || fail "$pattern is not text/x-quake-config"
    done
    grep -qxF 'text/x-quake-config text/plain' "$database/subclasses" || fail "text/x-quake-config is not a kind of text/plain"
    ;;
*)
    fail "unknown check $1"
    ;;
esac
