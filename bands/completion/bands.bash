# bash completion for bands: its options, the values of --tolerance,
# --coefficient, --series and --color, and colour names (or letter codes, when the word is
# begun in capitals), also after a comma, hyphen or slash inside a code.

_bands() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}

    # The option whose value is being completed. Bash splits "--color=au"
    # into "--color", "=" and "au" when "=" is a word break, as by default.
    local option="" prefix=""
    if [[ $cur == "=" ]]; then
        option=$prev
        cur=""
    elif [[ $prev == "=" ]] && ((COMP_CWORD > 1)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == --*=* ]]; then
        option=${cur%%=*}
        prefix=$option=
        cur=${cur#*=}
    elif [[ $prev == --value || $prev == --tolerance || $prev == --coefficient || $prev == --series ]]; then
        option=$prev
    elif [[ $prev == --color || $prev == --colour ]] && [[ -n $cur ]] && [[ never == "$cur"* || always == "$cur"* || auto == "$cur"* ]]; then
        # WHEN after a blank; a colour there stays a colour.
        option=--color
    fi

    local IFS=$'\n'
    case $option in
        --value)
            COMPREPLY=()
            return
            ;;
        --tolerance)
            COMPREPLY=($(compgen -P "$prefix" -W $'0.01%\n0.02%\n0.05%\n0.1%\n0.25%\n0.5%\n1%\n2%\n5%\n10%\n20%' -- "$cur"))
            return
            ;;
        --coefficient)
            COMPREPLY=($(compgen -P "$prefix" -W $'1\n5\n10\n15\n20\n25\n50\n100\n250' -- "$cur"))
            return
            ;;
        --series)
            COMPREPLY=($(compgen -P "$prefix" -W $'E3\nE6\nE12\nE24\nE48\nE96\nE192' -- "$cur"))
            return
            ;;
        --color | --colour)
            COMPREPLY=($(compgen -P "$prefix" -W $'never\nalways\nauto' -- "$cur"))
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W $'--value\n--tolerance\n--coefficient\n--series\n--details\n--color=\n--help\n--version' -- "$cur"))
        [[ ${COMPREPLY[0]-} == *= ]] && compopt -o nospace 2>/dev/null
        return
    fi

    # A value and colours do not go together.
    local word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        if [[ $word == --value || $word == --value=* ]]; then
            COMPREPLY=()
            return
        fi
    done

    # Only the colour after the last separator is completed.
    local done_part=""
    if [[ $cur == *[,/-]* ]]; then
        done_part=${cur%"${cur##*[,/-]}"}
        cur=${cur##*[,/-]}
    fi
    local words=$'black\nbrown\nred\norange\nyellow\ngreen\nblue\nviolet\ngrey\nwhite\ngold\nsilver\npink\nnone'
    if [[ $cur == [A-Z]* ]]; then
        words=$'BK\nBN\nRD\nOG\nYE\nGN\nBU\nVT\nGY\nWH\nGD\nSR\nPK'
    fi
    COMPREPLY=($(compgen -P "$done_part" -W "$words" -- "$cur"))
}

complete -F _bands bands
