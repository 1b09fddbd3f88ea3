# bash completion for quillon-cli
_quillon_cli()
{
    local cur prev words cword
    _init_completion || return

    # The commands and their options as quillon-cli itself lists them, so nothing drifts.
    if [[ $cword -eq 1 ]]; then
        local commands
        commands=$(quillon-cli --help 2>/dev/null | sed -n 's/^  \([a-z-]*\)  .*/\1/p')
        COMPREPLY=($(compgen -W "$commands --help" -- "$cur"))
        return
    fi

    local options
    options=$(quillon-cli "${words[1]}" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)

    case $prev in
        --file | --export | --database) _filedir; return ;;
        --type) COMPREPLY=($(compgen -W 'standard notification' -- "$cur")); return ;;
    esac
    if [[ ${words[1]} == import && $cur != -* ]]; then
        _filedir
        return
    fi
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _quillon_cli quillon-cli
