#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Completes command lines with the generated bash completion and compares the offers.
# check_bash_completion.sh COMPLETION_FILE
set -u
source "$1"
failures=0

# The words typed so far (the last one being completed) | the offers, space-separated.
while IFS='|' read -r line expected; do
    read -r -a COMP_WORDS <<<"$line"
    case $line in *' ') COMP_WORDS+=('') ;; esac
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _ferrovolt_calc
    got="${COMPREPLY[*]}"
    if [ "$got" != "$expected" ]; then
        echo "FAIL: '$line' offers '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
done <<'ROWS'
ferrovolt-calc dr|drop
ferrovolt-calc --v|--version
ferrovolt-calc drop --cu|--current
ferrovolt-calc size --ph|--phase
ferrovolt-calc resistance --unit |C F K
ferrovolt-calc compare --unit m|mm mils
ferrovolt-calc list m|materials methods motors
ferrovolt-calc circuit --code |nec2023 iec60364
ferrovolt-calc drop --length |
ferrovolt-calc conduit --fill |40 60
ferrovolt-calc fill --raceway pvc|pvc-80 pvc-40 pvc-a pvc-eb
ROWS
exit $((failures > 0))
