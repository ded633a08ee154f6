#!/bin/sh
# Builds each layer probe: a name ending in _fails must not compile, one ending in _builds must.
build="$1"
shift
status=0
for probe in "$@"; do
  if cmake --build "$build" --target "$probe" >/dev/null 2>&1; then built=builds; else built=fails; fi
  case "$probe" in
    *_"$built") echo "ok: $probe" ;;
    *) echo "layer rule broken: $probe $built"; status=1 ;;
  esac
done
exit $status
