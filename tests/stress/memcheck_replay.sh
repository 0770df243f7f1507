#!/usr/bin/env bash
# composer-replay under a memory checker, for each program: every region, a history filled
# past its capacity at changing note lengths, end bytes, then everything taken back.
#   memcheck_replay.sh REPLAY CHECKER...
# Fails on the checker's findings (its own exit status), on a bad exit of the tool, and
# when taking everything back does not leave count 0, total 0 and an empty output.
set -euo pipefail

replay=$1
shift

# program, a playing key, the rest, "←", the end button, the number of regions
programs=("rustle 1020 1023 1024 1025 5" "pulsar 1030 1055 1056 1057 19" "twinwave 1020 1063 1081 1083 38")

script_for() {
    local key=$1 rest=$2 back=$3 end=$4 regions=$5 region i
    for region in $(seq 0 $((regions - 1))); do
        echo "region $region"
        for i in $(seq 1 1010); do
            echo "length $((i * 7 % 8))"
            case $((i % 9)) in
            0) echo "click $end" ;;
            4) echo "click $rest" ;;
            *) echo "click $key" ;;
            esac
        done
        echo "show"
        for _ in $(seq 1 1000); do echo "click $back"; done
        echo "show"
    done
}

for entry in "${programs[@]}"; do
    read -r name key rest back end regions <<<"$entry"
    shown=$(script_for "$key" "$rest" "$back" "$end" "$regions" | "$@" "$replay" "$name") \
        || { echo "$name: exit status $?" >&2; exit 1; }
    full=$(sed -n '1~2p' <<<"$shown")
    emptied=$(sed -n '2~2p' <<<"$shown")
    [ "$(wc -l <<<"$emptied")" -eq "$regions" ] || { echo "$name: expected $regions pairs of lines" >&2; exit 1; }
    if grep -v ' count=0 .* total=0 .* output=$' <<<"$emptied"; then
        echo "$name: taking everything back left the lines above" >&2
        exit 1
    fi
    # 998 entries: a byte each, or two where a note's length changes.
    if grep -vE ' count=(99[89]|1[0-9]{3}) ' <<<"$full"; then
        echo "$name: a full history should hold 998 entries" >&2
        exit 1
    fi
    echo "$name: $regions regions filled and emptied"
done
