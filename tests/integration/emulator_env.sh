# Sourced by the Wine tests that need a scanner: the emulator on COM1.
#   start_emulator ARGS...   maps COM1 to the emulator's link and starts it
#   stop_emulator            stops it (also done at exit)
# Needs $rig and $emulator; sets $link.
link=$("$rig" map-com1)
emu=""

start_emulator() {
  "$emulator" --link "$link" --idle-timeout 120 "$@" >/dev/null &
  emu=$!
  for _ in $(seq 100); do
    [ -L "$link" ] && return 0
    sleep 0.05
  done
  echo "FAIL: the emulator did not make its link"
  return 1
}

stop_emulator() {
  if [ -n "$emu" ]; then
    kill -TERM "$emu" 2>/dev/null || true
    wait "$emu" 2>/dev/null || true
    emu=""
  fi
}
trap stop_emulator EXIT
