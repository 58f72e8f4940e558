# Sourced by the Wine tests that run through either source manager: Wine's
# twain_32.dll, or the 2.x manager when Z8_TWAINDSM names its DLL (installed
# in the rig here). z8 ARGS... runs z8scan through the chosen manager.
# Needs $rig, $arch and $z8scan.
manager=()
if [ -n "${Z8_TWAINDSM:-}" ]; then
  "$rig" install-dsm "$arch" "$Z8_TWAINDSM"
  manager=(--manager twaindsm)
fi
z8() { "$rig" run "$z8scan" "${manager[@]}" "$@"; }
