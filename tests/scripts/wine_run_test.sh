#!/usr/bin/env bash
# The test runner scripts/wine-run with a stand-in for Wine: a program that reported every test
# passed and then died of a segmentation fault while it exited is run again (twice at most), and
# nothing else is: not a run with a failed test, not a crash before the end, not another exit code.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in "wine": its first argument names, per run, what the program prints and how it
# ends ("passed", "failed" or "crashed" and then "segv", "exit0" or "exit1"); it counts its runs.
mkdir "$work/bin"
cat > "$work/bin/wine" <<'EOF'
#!/usr/bin/env bash
runs_file="$WINE_RUN_TEST_DIR/runs"
runs=$(( $(cat "$runs_file" 2>/dev/null || echo 0) + 1 ))
echo "$runs" > "$runs_file"
IFS=, read -r -a plan <<< "$1"
step=${plan[$((runs - 1))]:-${plan[-1]}}
echo "[==========] 2 tests from 1 test suite ran."
case "${step%:*}" in
  passed) echo "[  PASSED  ] 2 tests." ;;
  failed) echo "[  PASSED  ] 1 test."; echo "[  FAILED  ] 1 test, listed below:" ;;
  crashed) ;;
esac
case "${step#*:}" in
  segv) kill -SEGV $$ ;;
  exit0) exit 0 ;;
  exit1) exit 1 ;;
esac
EOF
chmod +x "$work/bin/wine"

failed=0
# plan (one step per run, the last one repeated), the runner's exit code, the runs made
check() {
  local plan=$1 want_rc=$2 want_runs=$3
  rm -f "$work/runs"
  PATH="$work/bin:$PATH" WINE_RUN_TEST_DIR="$work" TOVI_BUILD="$work/build" \
    bash "$top/scripts/wine-run" "$plan" > "$work/out" 2> "$work/err"
  local rc=$? runs
  runs=$(cat "$work/runs")
  if [ "$rc" -ne "$want_rc" ] || [ "$runs" -ne "$want_runs" ]; then
    echo "FAILED: $plan: exit $rc after $runs runs, expected exit $want_rc after $want_runs"
    failed=1
  else
    echo "ok: $plan: exit $rc after $runs runs"
  fi
}

check "passed:exit0" 0 1
check "passed:segv,passed:exit0" 0 2
check "passed:segv,passed:segv,passed:exit0" 0 3
check "passed:segv" 139 3
check "passed:segv,failed:exit1" 1 2
check "failed:segv" 139 1
check "failed:exit1" 1 1
check "crashed:segv" 139 1
check "passed:exit1" 1 1
# A run again is said on stderr; the program's output still reaches the caller.
check "passed:segv,passed:exit0" 0 2
grep -q "passed every test, then its Wine process died of a segmentation fault" "$work/err" ||
  { echo "FAILED: the run again is not reported"; failed=1; }
grep -q '^\[  PASSED  \] 2 tests\.$' "$work/out" || { echo "FAILED: the program's output is lost"; failed=1; }
exit $failed
