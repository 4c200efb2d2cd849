#!/usr/bin/env bash
# Runs a test program with the Wine prefix's display set to another DPI, and
# sets it back to 96 afterwards however the run ends. The DPI is read by each
# process as it starts, so the program under test and its driver both see it.
#
# Usage: dpi_run.sh <dpi> <command> [arguments]
set -euo pipefail
dpi=$1
shift
set_dpi() {
  timeout 120 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
"$@"
