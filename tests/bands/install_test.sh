#!/usr/bin/env bash
# cmake --install puts the program, its manual page and its completions
# where man and the shells look for them under the prefix.
# Usage: install_test.sh CMAKE BUILD_DIRECTORY
set -u
cmake=$1
build=$2
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for file in bin/bands share/man/man1/bands.1 share/bash-completion/completions/bands \
    share/zsh/site-functions/_bands share/fish/vendor_completions.d/bands.fish; do
    [[ -f $prefix/$file ]] || fail "$file not installed"
done

found=$(MANPATH="$prefix/share/man" man -w bands 2>&1)
[[ $found == "$prefix/share/man/man1/bands.1" ]] || fail "man -w bands: $found"

# bash-completion loads a command's completion on first use from
# completions/ under each of XDG_DATA_DIRS.
loaded=$(XDG_DATA_DIRS="$prefix/share" bash -c '
    . /usr/share/bash-completion/bash_completion
    __load_completion bands && complete -p bands' 2>&1)
[[ $loaded == "complete -F _bands bands" ]] || fail "bash-completion did not load it: $loaded"

if ((failures > 0)); then
    echo "$failures failed"
    exit 1
fi
echo "installed where man and bash look"
