#!/bin/sh
# Starts the program on a virtual X screen with the accessibility bus and drives it with the
# screen-reader client. Usage: run.sh PROGRAM
set -eu
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
export LANG=de_DE.UTF-8
exec xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- sh -c "
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 0.5
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb '$program' &
  sleep 1.5
  status=0
  /usr/bin/python3 '$here/read_results.py' || status=\$?
  kill %2 2>/dev/null || true
  exit \$status"
