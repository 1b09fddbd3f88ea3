# bash completion for quillon-cli
_quillon_cli()
{
    local cur prev words cword
    _init_completion || return

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W 'pdu info send-one import scan send --help' -- "$cur"))
        return
    fi

    local options
    case ${words[1]} in
        pdu) options='--to --smsc --unicode --flash --help' ;;
        info) options='--help' ;;
        send-one) options='--port --mode --to --smsc --unicode --flash --help' ;;
        import) options='--sheet --columns --message-column --template --composer
                         --skip-duplicates --export --help' ;;
        scan) options='--help' ;;
        send) options='--file --message --sheet --number-column --message-column --port --all
                       --mode --smsc --quota --type --unicode --fast --resend-unconfirmed
                       --skip-duplicates --use-exclusion-rules --pause-every --pause-for
                       --retries --save-sent-items --save-to-templates --clock-factor --help' ;;
    esac

    case $prev in
        --file | --export) _filedir; return ;;
        --type) COMPREPLY=($(compgen -W 'standard notification' -- "$cur")); return ;;
    esac
    if [[ ${words[1]} == import && $cur != -* ]]; then
        _filedir
        return
    fi
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _quillon_cli quillon-cli
