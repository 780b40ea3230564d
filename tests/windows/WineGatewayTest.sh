#!/usr/bin/env bash
# varo-nmea.exe under Wine against the simulated gateway: the pseudo-terminal
# of varo-gateway-sim is published as the prefix's dosdevices/comN link and
# entered in the registry's map of serial ports, as a port driver does. The
# Windows program must list the port, read the same profile as the Linux
# build, apply and compare a profile, decode byte for byte as the Linux build
# does, and drive the serial port object's events (the comm test).
#
# Usage: WineGatewayTest.sh NATIVE_NMEA NATIVE_SIM WINDOWS_NMEA WINE_RUN COMM_TEST SOURCE_DIR
set -uo pipefail
native_nmea=$1 native_sim=$2 win_nmea=$3 wine_run=$4 comm_test=$5 source_dir=$6
: "${WINEPREFIX:=$(cd "$(dirname "$win_nmea")/.." && pwd)/wine-prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
number=${VARO_WINE_COM:-7}
work=$(mktemp -d)
failures=0 passes=0
sim_pid=

cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  "$wine_run" reg delete 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v "VaroSim$number" /f >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

check() { # NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "PASS $name (${SECONDS} s)"; passes=$((passes + 1)); else echo "FAIL $name (${SECONDS} s)"; failures=$((failures + 1)); fi
}
wine_nmea() { "$wine_run" "$win_nmea" "$@"; }
linux_nmea() { VARO_COM_DIR="$WINEPREFIX/dosdevices" "$native_nmea" "$@"; }

"$wine_run" cmd /c exit >/dev/null 2>&1 # makes the prefix on first use
rm -f "$WINEPREFIX/dosdevices/com$number"
VARO_COM_DIR="$WINEPREFIX/dosdevices" "$native_sim" --com "$number" --shared-holder &
sim_pid=$!
for _ in $(seq 100); do [ -e "$WINEPREFIX/dosdevices/com$number" ] && break; sleep 0.05; done
if [ ! -e "$WINEPREFIX/dosdevices/com$number" ]; then
  echo "FAIL the simulated gateway $native_sim did not publish com$number"
  exit 1
fi
"$wine_run" reg add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v "VaroSim$number" /t REG_SZ \
  /d "COM$number" /f >/dev/null 2>&1

wine_nmea ports >"$work/ports.json"
check "ports lists COM$number" grep -q "\"number\":$number,\"name\":\"VaroSim$number (COM$number)\"" "$work/ports.json"
check "ports finds COM$number openable" grep -Eq "\"openable\":\[([0-9]+,)*$number[],]" "$work/ports.json"

wine_nmea gateway info --com "$number" >"$work/info.json"
check "gateway info" grep -q "\"model_id\":\"RZ-60\".*\"port\":{\"number\":$number,\"baud\":38400}" "$work/info.json"

wine_nmea gateway read --com "$number" --baud 38400 -o "$work/windows.json"
check "gateway read (Windows)" test -s "$work/windows.json"
linux_nmea gateway read --com "$number" --baud 38400 -o "$work/linux.json"
check "gateway read saves the Linux build's profile" cmp "$work/windows.json" "$work/linux.json"

wine_nmea gateway diff "$work/linux.json" --com "$number" --baud 38400 >"$work/same.txt"
check "gateway diff: no difference" test "$?" = 0 -a ! -s "$work/same.txt"

# One filter and one output changed: apply writes them and reads them back.
sed -e '0,/"126992": true/s//"126992": false/' -e '0,/"GLL": true/s//"GLL": false/' \
  "$work/linux.json" >"$work/changed.json"
differ() { ! cmp -s "$1" "$2"; }
check "the changed profile differs" differ "$work/changed.json" "$work/linux.json"
wine_nmea gateway apply "$work/changed.json" --com "$number" --baud 38400 >"$work/apply.txt"
check "gateway apply" test "$?" = 0 -a ! -s "$work/apply.txt"
linux_nmea gateway diff "$work/changed.json" --com "$number" --baud 38400 >/dev/null
check "the gateway took the changes" test "$?" = 0
wine_nmea gateway diff "$work/linux.json" --com "$number" --baud 38400 >"$work/differs.txt"
check "gateway diff names both differences" test "$?" = 1 -a "$(wc -l <"$work/differs.txt")" = 2

for input in "$source_dir"/tests/corpus/ais/vectors.txt "$source_dir"/tests/windows/decode-input.nmea; do
  "$native_nmea" decode "$input" >"$work/linux-decode.json"
  wine_nmea decode "$input" >"$work/windows-decode.json"
  check "decode $(basename "$input") byte for byte" cmp "$work/linux-decode.json" "$work/windows-decode.json"
  wine_nmea decode <"$input" >"$work/windows-stdin.json"
  check "decode $(basename "$input") from standard input" cmp "$work/linux-decode.json" "$work/windows-stdin.json"
done

VARO_TEST_COM="COM$number" WINEDEBUG=-all "$wine_run" "$comm_test"
check "the serial port object's events under Wine" test "$?" = 0

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
