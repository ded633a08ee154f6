#!/bin/sh
# Hears the real program: starts a PulseAudio server of its own with a null sink, records the
# sink while the program, on a virtual X screen and driven by the keyboard alone, makes a
# calculation that passes and one that fails, then measures the recording.
# Usage: run.sh PROGRAM
set -eu
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
pulse_pid=""
record_pid=""
cleanup() {
  [ -n "$record_pid" ] && kill -INT "$record_pid" 2>/dev/null || true
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The server runs as whoever runs the tests, root in CI: it needs a runtime folder and a home
# of its own, and no session bus.
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER 2>/dev/null || true
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --disable-shm=yes \
  -L module-native-protocol-unix -L "module-null-sink sink_name=rec" -L module-always-sink \
  >"$work/pulse.log" 2>&1 &
pulse_pid=$!
tries=0
until pactl info >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    echo "no PulseAudio server"; cat "$work/pulse.log"; exit 1
  fi
  sleep 0.1
done
pactl set-default-sink rec

now() { date +%s.%N; }
# Low latency, so the recording keeps pace with the wall clock instead of lagging a buffer.
parecord --latency-msec=20 -d rec.monitor --file-format=wav "$work/recording.wav" &
record_pid=$!
recording_started="$(now)"
# The program starts once the recording is under way, so the start cue is heard whole.
tries=0
until [ "$(stat -c %s "$work/recording.wav" 2>/dev/null || echo 0)" -gt 44100 ]; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { echo "parecord records nothing"; exit 1; }
  sleep 0.1
done

# The keyboard run, as a user without a mouse makes it. "mark" notes when a calculation was
# asked for, on the recording's clock.
cat >"$work/drive.sh" <<EOS
set -eu
mark() { awk -v t="\$(date +%s.%N)" -v n="\$1" 'BEGIN { printf "%s %.3f\\n", n, t - $recording_started }' >>"$work/marks"; }
key() { xdotool key --delay 60 "\$@"; sleep 0.3; }
type() { xdotool type --delay 60 "\$1"; }
"$program" >"$work/program.log" 2>&1 &
pid=\$!
timeout 10 xdotool search --sync --name "IPB-Träger DIN 1025" >/dev/null
sleep 1.5                   # the start cue
key Tab Return              # the uniform-load picture
key Return                  # from the section list to +q
type 10; key Return; type 6; key Return; type 1,5
sleep 0.3                   # the timer enables Berechnen
mark pass; key Return       # computes: a pass, no warning
sleep 2
key Return; key alt+n       # Report, Neue Rechnung
# Enter would compute again at once, the boxes being filled: back through the chain to +q.
key shift+Tab shift+Tab; type 30; key Tab; type 8
sleep 0.3
mark fail; key alt+b        # Berechnen: fails on stress and deflection
sleep 2.5
key Return; key alt+b       # Report, Beenden
for i in 1 2 3 4 5 6 7 8 9 10; do kill -0 \$pid 2>/dev/null || break; sleep 0.2; done
if kill -0 \$pid 2>/dev/null; then
  echo "the program did not end through Beenden"; kill \$pid; exit 1
fi
EOS
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' sh "$work/drive.sh" || status=$?
sleep 0.3
# The recording begins a moment after it was asked for (the stream is set up first), so the
# clocks are matched at the end: the recording stops now.
awk -v t="$(now)" 'BEGIN { printf "stop %.3f\n", t - '"$recording_started"' }' >>"$work/marks"
kill -INT "$record_pid"
wait "$record_pid" 2>/dev/null || true
record_pid=""
if [ -s "$work/program.log" ]; then
  echo "the program wrote to the console:"; cat "$work/program.log"; status=1
fi
[ "$status" -eq 0 ] || exit "$status"
python3 "$here/measure_cues.py" "$work/recording.wav" "$work/marks"
