# What the end-to-end test scripts share, sourced after they set program
# (the program under test) and work (their scratch folder).
passed=0
failed=0

check() {  # check NAME CONDITION...: counts CONDITION's outcome, names a failure
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name" >&2
    fi
}

# run ARGS...: stdout to $work/out, stderr to $work/err, status to $status
run() {
    "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

# The tally, and the script's status.
finish() {
    echo "$passed passed, $failed failed"
    test "$failed" -eq 0
}
