#!/usr/bin/env bash
# corvane show and corvane designer as a user runs them: offscreen with a
# script and a screenshot, without any display, with a screenshot path that
# cannot be written, and the designer on a form, on a file that is no form
# and on a form holding a component of an unknown class (--quit).
# Usage: show_test.sh CORVANE OUTDIR (run from the source folder).
set -u
corvane=$1
out=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

shot="$out/show_test_road.png"
rm -f "$shot"
log=$(QT_QPA_PLATFORM=offscreen "$corvane" show examples/road.dfm examples/road.run --screenshot "$shot" 2>&1)
[ $? -eq 0 ] || fail "offscreen show failed: $log"
grep -q "trace ClearOnClick" <<<"$log" || fail "the script's click did not run the connection: $log"
[ "$(head -c 8 "$shot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "no PNG written to $shot"

log=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$corvane" show examples/road.dfm 2>&1)
status=$?
[ $status -eq 1 ] || fail "without a display the status is $status, not 1"
[ "$(wc -l <<<"$log")" -eq 1 ] && grep -q "No display" <<<"$log" || fail "without a display: $log"

log=$(QT_QPA_PLATFORM=offscreen "$corvane" show examples/road.dfm --screenshot /nonexistent/dir/x.png 2>&1)
status=$?
[ $status -eq 1 ] || fail "an unwritable screenshot gives status $status, not 1"
grep -q 'Cannot write the image to "/nonexistent/dir/x.png"' <<<"$log" || fail "unwritable screenshot: $log"

log=$(QT_QPA_PLATFORM=offscreen "$corvane" show examples/todo.dfm examples/todo.run --screenshot "$out/closed.png" 2>&1)
status=$?
[ $status -eq 1 ] && grep -q "not showing any more" <<<"$log" || fail "a form the script closed was captured: $log"

log=$(QT_QPA_PLATFORM=offscreen "$corvane" show 2>&1)
[ $? -eq 2 ] || fail "show without a form is not a usage error: $log"

log=$(QT_QPA_PLATFORM=offscreen "$corvane" designer examples/app/mainform.dfm --quit 2>&1)
[ $? -eq 0 ] && grep -q "opened examples/app/mainform.dfm" <<<"$log" || fail "designer --quit on a form: $log"
printf 'object Form1: TForm1\n  object X: TNoSuchClass\n  end\nend\n' >"$out/unknown.dfm"
log=$(QT_QPA_PLATFORM=offscreen "$corvane" designer "$out/unknown.dfm" --quit 2>&1)
[ $? -eq 1 ] && grep -q "Class TNoSuchClass not found" <<<"$log" || fail "designer --quit on an unknown class: $log"
log=$(QT_QPA_PLATFORM=offscreen "$corvane" designer README.md --quit 2>&1)
[ $? -eq 1 ] || fail "designer --quit on a file that is no form: $log"
shot="$out/designer.png"
rm -f "$shot"
log=$(QT_QPA_PLATFORM=offscreen "$corvane" designer examples/app/mainform.dfm --screenshot "$shot" 2>&1)
[ "$(head -c 8 "$shot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "designer: no PNG: $log"
log=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$corvane" designer --quit 2>&1)
[ $? -eq 1 ] && grep -q "No display" <<<"$log" || fail "designer without a display: $log"

[ $failures -eq 0 ] && echo "show, designer: all cases passed"
exit $failures
