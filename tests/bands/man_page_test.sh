#!/usr/bin/env bash
# The manual page: man renders it without a warning, it has the sections of
# a section 1 page, and it describes every option that --help shows.
# Usage: man_page_test.sh BANDS_PROGRAM MANUAL_PAGE
set -u
bands=$1
page=$2
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "man warns: $warnings"

# Rendered to a pipe, man leaves out bold and underlining.
text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man -E ascii -l "$page" 2>/dev/null)
[[ -n $text ]] || fail "man rendered nothing"

for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES; do
    grep -qx "$section" <<<"$text" || fail "no section $section"
done

# Options are words that begin with "-" or "--" after a blank, a bracket, a
# bar or the start of a line.
help=$("$bands" --help) || fail "bands --help failed"
options=$(grep -oE -- '(^|[][ (|])--?[[:alpha:]][[:alnum:]-]*' <<<"$help" | sed 's/^[^-]*//' | sort -u)
for expected in --help --version --value --tolerance; do
    grep -qx -- "$expected" <<<"$options" || fail "option $expected not found in --help: $options"
done
for option in $options; do
    grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|$)" <<<"$text" || fail "$option is not in the manual page"
done

if ((failures > 0)); then
    echo "$failures failed"
    exit 1
fi
echo "manual page renders cleanly and has every option:" $options
