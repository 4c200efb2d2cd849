#!/usr/bin/env bash
# The download as a Windows user gets it: tools/package makes the zip and its
# checksum; the checksum checks, the zip holds exactly the six files in one
# folder, README.txt has CR LF line ends, and the unpacked programs start,
# give one reading and end under Wine (the Wine session of the test run).
#
# Usage: package_test.sh <build folder that holds windows/> <program_window_test.exe>
#        <resistor_window_test.exe>
set -euo pipefail
export BUILD=$1
driver=$2
resistor_driver=$3
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

zip=$(timeout 600 "$root/tools/package") || fail "tools/package failed"
name=$(basename "$zip" .zip)
[[ "$name" =~ ^resistor-colour-code-[0-9.]+-win64$ ]] || fail "unexpected name $name"
[ "$(dirname "$zip")" = "$BUILD/dist" ] || fail "the zip is not in $BUILD/dist"
(cd "$BUILD/dist" && sha256sum -c --strict "$name.zip.sha256") || fail "the checksum does not check"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
listing=$(cd "$unpacked" && find . -type f | sort)
expected="./$name/LICENSE
./$name/README.txt
./$name/bands.exe
./$name/fiveband.exe
./$name/fourband.exe
./$name/resistor.exe"
[ "$listing" = "$expected" ] || fail "the zip holds: $listing"
cmp -s "$unpacked/$name/LICENSE" "$root/LICENSE" || fail "LICENSE differs from the repository's"
readme="$unpacked/$name/README.txt"
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme" || true)
((lines > 10)) && [ "$crlf" = "$lines" ] || fail "README.txt: $crlf of $lines lines end in CR LF"
grep -q 'fiveband.exe' "$readme" || fail "README.txt does not name fiveband.exe"
grep -q 'resistor.exe' "$readme" || fail "README.txt does not name resistor.exe"

# Start, one reading ("&Ok" right after opening), end.
for program in fiveband fourband; do
  timeout 300 wine "$driver" "$program" "$unpacked/$name/$program.exe" \
    --gtest_filter=ProgramWindow.OkRightAfterOpeningShowsTheOpeningReading:ProgramWindow.CancelEndsTheProgramWithExitCodeZero ||
    fail "the unpacked $program.exe"
done
timeout 300 wine "$resistor_driver" "$unpacked/$name/resistor.exe" \
  --gtest_filter=ResistorWindow.OpensWithFourBandsAndTheirLines:ResistorWindow.EscapeEndsTheProgramWithExitCodeZero ||
  fail "the unpacked resistor.exe"
reading=$(timeout 120 wine "$unpacked/$name/bands.exe" yellow violet red gold | tr -d '\r')
[ "$reading" = "Resistance: 4.7 k ohm, 5%" ] || fail "the unpacked bands.exe said: $reading"
echo "$name.zip: checksum, six files, README.txt with CR LF, programs run when unpacked"
