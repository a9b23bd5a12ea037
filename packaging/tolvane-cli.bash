# Bash completion for tolvane-cli: the commands, each command's options, the values of --table
# and --format, nothing for a Lua text after --where and --set, and file names everywhere else.
_tolvane_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "info export import rename history undo changes diff merge patch apply play edit script --help --version" -- "$cur")
        return
    fi
    case $prev in
    --table)
        mapfile -t COMPREPLY < <(compgen -W "items enemies" -- "$cur")
        return
        ;;
    --format)
        if [ "${COMP_WORDS[1]}" = changes ]; then
            mapfile -t COMPREPLY < <(compgen -W "text csv json markdown" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "csv json" -- "$cur")
        fi
        return
        ;;
    --where | --set)
        COMPREPLY=()
        return
        ;;
    --prefer)
        mapfile -t COMPREPLY < <(compgen -W "ours theirs" -- "$cur")
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        local options="--help"
        case ${COMP_WORDS[1]} in
        info) options+=" --json" ;;
        export) options+=" --table --format -o --output" ;;
        import) options+=" --names --shared --dry-run --no-backup" ;;
        rename) options+=" --item --enemy --shared --dry-run --no-backup" ;;
        history) options+=" --json" ;;
        undo) options+=" --save --dry-run --no-backup" ;;
        changes) options+=" --base --table --format" ;;
        merge) options+=" -o --output --prefer" ;;
        patch | apply) options+=" -o --output" ;;
        play) options+=" --print" ;;
        edit) options+=" --table --where --set --clamp --dry-run --no-backup" ;;
        script) options+=" --clamp --dry-run --no-backup" ;;
        esac
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    compopt -o filenames 2>/dev/null || true
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -F _tolvane_cli tolvane-cli
