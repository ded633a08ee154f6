#!/bin/sh
# Runs a QtTest program of the Windows build under wine and prints its log. Without a console
# QtTest on Windows logs to the debugger instead of standard output, so it writes a file here.
# Each test program starts without the program's settings, as on Linux with a configuration
# folder of its own; the tests share wine's, so they run one after another.
#   run-test.sh test.exe [arguments]
set -u
log="$(mktemp)"
wine reg delete 'HKCU\Software\ipbtraeger' /f >/dev/null 2>&1
wine "$@" -o "$(winepath -w "$log"),txt"
status=$?
cat "$log"
rm -f "$log"
exit "$status"
