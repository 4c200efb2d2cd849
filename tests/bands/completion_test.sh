#!/usr/bin/env bash
# The bash completion of bands on partial command lines, given to its
# function as bash gives them: COMP_WORDS split at bash's word breaks (so
# "--color=a" arrives as "--color" "=" "a"), COMP_CWORD the word at the
# cursor. Usage: completion_test.sh COMPLETION_SCRIPT
set -u
. "$1"

failures=0

# check EXPECTED WORD...: completing the last WORD gives EXPECTED, the
# replies sorted and separated by blanks.
check() {
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _bands bands "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ')
    got=${got# }
    got=${got% }
    if [[ $got != "$expected" ]]; then
        echo "FAILED: $* -> [$got], expected [$expected]"
        failures=$((failures + 1))
    fi
}

# Options.
check "--value --version" bands --v
check "--coefficient --color=" bands --c
check "--details" bands brown --d
check "--coefficient --color= --details --help --series --tolerance --value --version" bands -
# Their values, with "=" a word break and without.
check "always auto never" bands --color =
check "always auto" bands --color = a
check "--color=always --color=auto" bands --color=a
check "E12 E192" bands --value 4.7k --series E1
check "--series=E24" bands --value 4.7k --series=E2
check "0.01% 0.02% 0.05% 0.1% 0.25% 0.5% 1% 10% 2% 20% 5%" bands --value 4.7k --tolerance ""
check "5%" bands --value 4.7k --tolerance 5
check "1 10 100 15" bands --value 4.7k --coefficient 1
check "--coefficient=20 --coefficient=25 --coefficient=250" bands --value 4.7k --coefficient=2
# WHEN after a blank, and a colour after --color alone.
check "never" bands --color n
check "always auto" bands --color a
check "black blue brown" bands --color b
check "" bands --value ""
check "" bands --value 4.7k b
check "" bands --value=4.7k b
# Colour names, and letter codes for a word begun in capitals.
check "black blue brown" bands b
check "black blue" bands brown bl
check "gold green grey" bands --details g
check "pink" bands yellow violet p
check "BK BN BU" bands B
check "black blue brown gold green grey none orange pink red silver violet white yellow" bands ""
# Inside a code given in one argument.
check "brown,black,red" bands brown,black,r
check "brown-black brown-blue" bands brown-bl
check "BN/GD BN/GN BN/GY" bands BN/G
check "" bands brown,x

if ((failures > 0)); then
    echo "$failures failed"
    exit 1
fi
echo "all completions as expected"
