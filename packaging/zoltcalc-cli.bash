# bash completion for zoltcalc-cli: subcommands, their options and the key names of `keys`.
# The lists come from the program's own help texts, so they follow the installed version.

_zoltcalc_cli_section()
{
    # The words of the indented lines under the heading $2 in the help text $1.
    awk -v heading="$2" '$0 == heading { inside = 1; next } /^[^ ]/ { inside = 0 } inside' <<<"$1"
}

_zoltcalc_cli()
{
    local cur prev cli="${COMP_WORDS[0]}"
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"

    local subcommands
    subcommands=$(_zoltcalc_cli_section "$("$cli" --help 2>/dev/null)" "Subcommands:" | awk '{ printf "%s ", $1 }')

    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$subcommands help --help --version" -- "$cur"))
        return
    fi

    local sub="${COMP_WORDS[1]}"
    if [[ $sub == help ]]; then
        [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        return
    fi
    [[ " $subcommands " == *" $sub "* ]] || return

    local help
    help=$("$cli" "$sub" --help 2>/dev/null)
    # An option's value: files where the option takes one, nothing to offer otherwise.
    case $prev in
        --dir) COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --picture|-o) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --angle) COMPREPLY=($(compgen -W "DEG RAD GRA" -- "$cur")); return ;;
    esac
    local option
    option=$(_zoltcalc_cli_section "$help" "Options:" | awk -v p="$prev" '$1 == p && NF > 1 && $2 ~ /^[A-Z]/ { print }')
    [[ -n $option && $prev == --* ]] && return

    if [[ $cur == -* ]]; then
        local options
        options=$(_zoltcalc_cli_section "$help" "Options:" | awk '{ print $1 }')
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    if [[ $sub == keys ]]; then
        COMPREPLY=($(compgen -W "$(_zoltcalc_cli_section "$help" "Keys:")" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
}

complete -F _zoltcalc_cli zoltcalc-cli
