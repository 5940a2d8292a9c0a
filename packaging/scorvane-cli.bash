# Bash completion of scorvane-cli: its commands, each command's options and
# the files it reads (.ten records, .csv imports).

_scorvane_cli() {
  local cur prev command options
  COMPREPLY=()
  cur="${COMP_WORDS[COMP_CWORD]}"
  prev="${COMP_WORDS[COMP_CWORD-1]}"

  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "info resave demo matches import finances estimate stats summary
      systems text help --help --version" -- "$cur"))
    return
  fi

  command="${COMP_WORDS[1]}"
  case "$prev" in
    --lang) COMPREPLY=($(compgen -W "en fr" -- "$cur")); return ;;
    --only) COMPREPLY=($(compgen -W "singles doubles" -- "$cur")); return ;;
    --corporate | --indoor) COMPREPLY=($(compgen -W "only none" -- "$cur")); return ;;
    --result) COMPREPLY=($(compgen -W "won lost" -- "$cur")); return ;;
    --sex) COMPREPLY=($(compgen -W "m f" -- "$cur")); return ;;
    --hand) COMPREPLY=($(compgen -W "left right" -- "$cur")); return ;;
    --doubles-rule) COMPREPLY=($(compgen -W "one both" -- "$cur")); return ;;
    --ranked) COMPREPLY=($(compgen -W "better worse same" -- "$cur")); return ;;
    --chart | --season | --matches | --seasons | --seed | --from | --to | --type | \
      --homologation | --category | --surface | --event | --age | --ranked-between | --exclude)
      return ;;
  esac

  case "$command" in
    info | systems) options="--json" ;;
    demo) options="--matches --seasons --seed --lang" ;;
    matches) options="--season --csv" ;;
    import) options="--season --dry-run --skip-bad" ;;
    finances) options="--season --euros --csv --json" ;;
    estimate) options="--raw --json --lang --season --explain-next" ;;
    stats) options="--chart --from --to --type --homologation --category --only --corporate
      --surface --event --indoor --result --sex --hand --doubles-rule --age --ranked
      --ranked-between --json --lang" ;;
    summary) options="--season --chart --exclude --json --lang" ;;
    text) options="--lang" ;;
    *) options="" ;;
  esac

  if [[ "$cur" == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ "$command" == import ]] && ((COMP_CWORD == 3)); then
    COMPREPLY=($(compgen -f -X '!*.@(csv|CSV|txt)' -- "$cur") $(compgen -d -- "$cur"))
  elif [[ "$command" != text && "$command" != systems && "$command" != help ]]; then
    COMPREPLY=($(compgen -f -X '!*.ten' -- "$cur") $(compgen -d -- "$cur"))
    [[ "$command" == demo || "$command" == resave ]] && COMPREPLY+=($(compgen -f -- "$cur"))
  fi
}
complete -o filenames -F _scorvane_cli scorvane-cli
