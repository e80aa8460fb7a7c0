#!/bin/bash
# Runs every example of the README and the user guide against the built programs,
# so that a document cannot drift from what the programs do.
#
#   run_examples.sh RILLO_CLI RILLO DOCUMENT...
#
# What counts as an example:
# - In a README ```sh block or a guide <pre> block, a line that starts with "rillo-cli "
#   or "rillo " (continued by a trailing "\") is a command; "$ " before it says that the
#   lines after it, up to the next command or the end of the block, are its standard
#   output. A last line "..." shows only the beginning of the output.
# - A command with "[" or an "A|B" choice is a synopsis: every --option it names must be
#   one that the subcommand's --help lists.
# - Any other command runs with bash in a fresh folder (one per document, shared by its
#   examples in order) that holds reach.flo (the worked example) and cases.csv. It must
#   exit 0, or N when its comment ("  # ...") says "exit status N".
# - "rillo FILE" would open a window: the file is instead read as File, Open reads it, by
#   exporting its report, which must succeed.
# - In a guide page, a comment <!-- output of: COMMAND --> before a <pre> block says that the
#   block is the command's output; before a <table>, that the table's rows, their cells
#   joined by tabs, are lines of the command's output in a row.
set -u
cli=$1 program=$2
shift 2

work=$(mktemp -d "${TMPDIR:-/tmp}/rillo-docs.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$cli" "$work/bin/rillo-cli"
ln -s "$program" "$work/bin/rillo"
export PATH="$work/bin:$PATH" QT_QPA_PLATFORM=offscreen HOME="$work/home" LC_ALL=C.UTF-8
unset XDG_CONFIG_HOME XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY

failures=0 examples=0 synopses=0
fail() {
    echo "$document: $*"
    failures=$((failures + 1))
}

# The examples of one document, one record a line: "C command", "O output line", "T command"
# (a table's command) and "X" after the output of each.
extract() {
    case $1 in
    *.md)
        awk '/^```/ { inside = !inside && $0 == "```sh"; next } inside' "$1" | mark_commands
        ;;
    *.html)
        awk '
            function decode(s) {
                gsub(/<[^>]*>/, "", s)
                gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s)
                gsub(/&#39;/, "'"'"'", s); gsub(/&nbsp;/, " ", s); gsub(/&amp;/, "\\&", s)
                return s
            }
            /<!-- output of: / {
                command = $0; sub(/.*<!-- output of: /, "", command); sub(/ *-->.*/, "", command)
                shown = decode(command); next
            }
            shown != "" && /<table/ { print "T " shown; shown = ""; table = 1; next }
            shown != "" && /<pre/ { print "$ " shown; shown = "" }
            table && /<\/table>/ { print "X"; table = 0; next }
            table && /<td/ {
                row = $0; gsub(/<\/td>[^<]*<td[^>]*>/, "\t", row); print "O " decode(row); next
            }
            /<pre/ { inside = 1; sub(/.*<pre[^>]*>/, "") }
            inside {
                end = sub(/<\/pre>.*/, "")
                if ($0 != "" || !end) print decode($0)
                if (end) { inside = 0; print "<end of block>" }
            }
        ' "$1" | mark_commands
        ;;
    esac
}

# Block lines to records: joins continued lines, marks commands and the output shown.
mark_commands() {
    awk '
        function finish() { if (open) print "X"; open = 0; showing = 0 }
        pending != "" { $0 = pending $0; pending = "" }
        /\\$/ { sub(/\\$/, ""); pending = $0; next }
        /^<end of block>$/ { finish(); next }
        /^T / { finish(); print; next }
        /^O / || /^X$/ { print; next }
        /^\$ rillo(-cli)? / || /^\$ rillo(-cli)?$/ { finish(); print "C " substr($0, 3); open = 1; showing = 1; next }
        /^rillo(-cli)?( |$)/ { finish(); print "C " $0; open = 1; next }
        showing { print "O " $0; next }
        { finish() }
        END { finish() }
    '
}

# The --options a subcommand's --help lists.
options_of() {
    "$@" --help 2>&1 | grep -o -- '--[a-z][a-z-]*' | sort -u
}

check_synopsis() {
    local command=$1 program subcommand="" listed option
    read -r program subcommand _ <<<"$command"
    [[ $program == rillo-cli && $subcommand != -* ]] || subcommand=""
    synopses=$((synopses + 1))
    listed=$(options_of "$work/bin/$program" $subcommand)
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$command" | sort -u); do
        grep -qx -- "$option" <<<"$listed" ||
            fail "\"$command\" names $option, which \"$program $subcommand --help\" does not list"
    done
}

# Runs one command; its standard output goes to $work/out.
run_command() {
    local command=$1 expected_status=0 comment status
    if [[ $command == *"  # "* ]]; then
        comment=${command#*  # }
        command=${command%%  # *}
        [[ $comment =~ exit\ status\ ([0-9]+) ]] && expected_status=${BASH_REMATCH[1]}
    fi
    command=${command%"${command##*[! ]}"}
    if [[ $command == *"["* || $command =~ [^\ ]\|[^\ ] ]]; then
        check_synopsis "$command"
        return 1
    fi
    if [[ $command =~ ^rillo\ ([^-][^ ]*)$ ]]; then
        command="rillo --export-pdf opened-by-the-example.pdf ${BASH_REMATCH[1]}"
    fi
    examples=$((examples + 1))
    (cd "$work/run" && timeout 60 bash -c "$command" >"$work/out" 2>"$work/err")
    status=$?
    [[ $status == "$expected_status" ]] ||
        fail "\"$command\" exits $status, not $expected_status: $(head -c 400 "$work/err")"
    return 0
}

compare_output() {
    local command=$1 mode=$2 expected=$3 actual
    actual=$(tr -d '\r' <"$work/out" | sed 's/[[:space:]]*$//')
    expected=$(sed 's/[[:space:]]*$//' <<<"$expected")
    case $mode in
    whole) [[ $actual == "$expected" ]] ;;
    beginning) [[ $actual == "${expected%$'\n'...}"* ]] ;;
    part) [[ $'\n'$actual$'\n' == *$'\n'$expected$'\n'* ]] ;;
    esac || {
        fail "the output of \"$command\" differs from the document's:"
        diff <(echo "$expected") <(echo "$actual") | head -20
    }
}

for document in "$@"; do
    rm -rf "$work/run" "$work/home" && mkdir "$work/run" "$work/home"
    (cd "$work/run" &&
        rillo-cli profile --end 10+00.000 --flow 100 --width 10 --n 0.013 --slope 0.001 --side 2 \
            --name "Worked example" --format flo >reach.flo &&
        printf '%s\r\n' 'name,shape,end,flow,width,n,slope,side' 'Mill race,trapezoidal,10+00.000,100,10,0.013,0.001,2' \
            'Culvert,circular,2+00.000,5,2,0.013,0.001,' >cases.csv) || { fail "cannot prepare the examples' folder"; continue; }
    command="" kind="" expected="" ran=0
    while IFS= read -r record; do
        case $record in
        "C "* | "T "*)
            command=${record#? } kind=${record%% *} expected="" shown=0
            run_command "$command" && ran=1 || ran=0
            ;;
        "O "*)
            expected+=${expected:+$'\n'}${record#O } shown=1
            ;;
        X)
            if ((ran && shown)); then
                if [[ $kind == T ]]; then
                    compare_output "$command" part "$expected"
                elif [[ $expected == *$'\n'... || $expected == ... ]]; then
                    compare_output "$command" beginning "$expected"
                else
                    compare_output "$command" whole "$expected"
                fi
            fi
            ;;
        esac
    done < <(extract "$document")
done

echo "$examples examples run, $synopses synopses checked, $failures differences"
((examples > 0 && failures == 0))
