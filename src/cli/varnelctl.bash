# bash completion for varnelctl
_varnelctl() {
    local cur prev words cword
    _init_completion || return

    local command="${words[1]}" sub="${words[2]}"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "list info profile lighting keys macros export import download upload --help" -- "$cur"))
        return
    fi
    case "$prev" in
        --profile) COMPREPLY=($(compgen -W "0 1 2" -- "$cur")); return ;;
        --brightness|--speed) COMPREPLY=($(compgen -W "0 1 2 3 4" -- "$cur")); return ;;
        --direction) COMPREPLY=($(compgen -W "left right up down outward inward" -- "$cur")); return ;;
        --multicolour|--multicolor) COMPREPLY=($(compgen -W "on off" -- "$cur")); return ;;
        --colour|--color) COMPREPLY=($(compgen -W "red yellow green blue" -- "$cur")); return ;;
        --mode)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(varnelctl lighting modes 2>/dev/null | cut -f2)" -- "$cur"))
            return ;;
    esac
    case "$command" in
        profile) COMPREPLY=($(compgen -W "0 1 2 --json --help" -- "$cur")) ;;
        list|info) COMPREPLY=($(compgen -W "--json --help" -- "$cur")) ;;
        export|import) _filedir vrp ;;
        download|upload) COMPREPLY=($(compgen -W "--help" -- "$cur")) ;;
        lighting)
            if [[ $cword -eq 2 ]]; then
                COMPREPLY=($(compgen -W "show set modes" -- "$cur"))
            elif [[ $sub == set ]]; then
                COMPREPLY=($(compgen -W "--mode --brightness --speed --direction --colour --multicolour --profile --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "--profile --json --help" -- "$cur"))
            fi ;;
        keys)
            if [[ $cword -eq 2 ]]; then
                COMPREPLY=($(compgen -W "show set" -- "$cur"))
            elif [[ $sub == set && $cword -eq 3 ]]; then
                local IFS=$'\n'
                COMPREPLY=($(compgen -W "$(varnelctl keys show 2>/dev/null | cut -f2)" -- "$cur"))
            elif [[ $sub == set && $cword -eq 4 ]]; then
                COMPREPLY=($(compgen -W "default disable stop-macro macro: media: launch: text: function:" -- "$cur"))
                compopt -o nospace
            else
                COMPREPLY=($(compgen -W "--profile --json --help" -- "$cur"))
            fi ;;
        macros)
            if [[ $cword -eq 2 ]]; then
                COMPREPLY=($(compgen -W "list show export import" -- "$cur"))
            elif [[ $sub == import ]]; then
                _filedir
            elif [[ ($sub == show || $sub == export) && $cword -eq 3 ]]; then
                local IFS=$'\n'
                COMPREPLY=($(compgen -W "$(varnelctl macros list 2>/dev/null | cut -f2)" -- "$cur"))
            else
                _filedir
            fi ;;
    esac
} &&
    complete -F _varnelctl varnelctl
