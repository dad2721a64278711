#!/bin/sh
# wine_session.sh start|stop WINE WINESERVER PREFIX
# Starts a persistent wineserver for PREFIX and boots the prefix (created on
# first use), with every stream away from the caller's pipes; or stops it.
set -eu
action=$1 wine=$2 wineserver=$3
# No .NET or HTML engine: the tests need neither, and it spares their set-up.
WINEPREFIX=$4 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
case $action in
start)
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot --init </dev/null >/dev/null 2>&1
    ;;
stop)
    "$wineserver" -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
