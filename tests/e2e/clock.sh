#!/usr/bin/env bash
# End-to-end checks of the clock strip: the real ZKTIME on a private 1024x768 X server with no
# window manager, in a fresh home whose folders are removed afterwards.
#
#   clock.sh path/to/ZKTIME
#
# It always starts its own Xvfb, even when DISPLAY is set: a desktop's window manager would move
# and decorate the strip, and the checks would flash windows on the user's screen.
# Screenshots go to the current folder (the build's tests folder when CTest runs it).
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"

light="240 244 240"
dark="155 167 163"
tolerance=30

# --- Empty store ------------------------------------------------------------------------------
start_clock
if wid=$(find_window); then
    pass "empty store: window \"ZORVEK Inc.TIME\" is mapped"
    if wait_geometry "$wid" "0,0 152x16"; then
        pass "empty store: window at 0,0, 152x16"
    else
        fail "empty store: window at $geometry, wanted 0,0 152x16"
    fi

    sleep 0.5
    shot="$out/e2e-empty-store.png"
    if shoot 152x16+0+0 "$shot"; then
        # x=2 lies left of the date text, x=150 right of the time text; y=1 is above both.
        left_ok=1 right_ok=1 seen=""
        for y in 1 8; do
            l=$(pixel "$shot" 2 "$y")
            r=$(pixel "$shot" 150 "$y")
            seen+=" (2,$y)=$l (150,$y)=$r;"
            near "$l" "$light" "$tolerance" || left_ok=0
            near "$r" "$dark" "$tolerance" || right_ok=0
        done
        if ((left_ok && right_ok)); then
            pass "empty store: gradient from light to dark:$seen"
        else
            fail "empty store: gradient wanted left near $light, right near $dark:$seen"
        fi
        if (($(dark_pixels "$shot") > 40)); then
            pass "empty store: dark text over the gradient"
        else
            fail "empty store: no dark text on the strip (see $shot)"
        fi
    else
        fail "empty store: screenshot failed"
    fi
else
    fail "empty store: no mapped window named \"ZORVEK Inc.TIME\" within 10 s"
    wid=
fi

if [[ -f $store ]]; then
    mode=$(stat -c %a "$store")
    dir_mode=$(stat -c %a "$store_dir")
    if [[ $mode == 600 && $dir_mode == 700 ]]; then
        pass "store created at start, file mode 600, folder mode 700"
    else
        fail "store file mode $mode (wanted 600), folder mode $dir_mode (wanted 700)"
    fi
else
    fail "no store file at $store after start"
fi

# --- A second copy, started as su or cron start it: without a runtime folder -----------------
begin=$(date +%s%N)
env -u XDG_RUNTIME_DIR timeout 5 "$bin" >>"$log" 2>&1
status=$?
elapsed=$((($(date +%s%N) - begin) / 1000000))
if ((status == 0 && elapsed < 2000)); then
    pass "second copy, without a runtime folder, exited with status 0 after $elapsed ms"
else
    fail "second copy: status $status after $elapsed ms (wanted 0 within 2000 ms)"
fi
if kill -0 "$clock_pid" 2>/dev/null && [[ -n $wid ]] && is_mapped "$wid"; then
    pass "first copy still runs with its window mapped"
else
    fail "first copy stopped or lost its window after the second copy ran"
fi
stop_clock

# --- Seeded store: position and exit/restart width --------------------------------------------
rm -rf "$store_dir"
mkdir -m 0700 "$store_dir"
(umask 077 && sqlite3 "$store" \
    "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,
                           value TEXT NOT NULL, PRIMARY KEY(section, key));
     INSERT INTO settings VALUES('set','left','1500'), ('set','top','300'), ('o','RQ','1');") ||
    fail "could not seed the store"

# The first tick comes at the first second boundary after start, so the start-up caption is
# certain only in a frame taken within the second the program started in. Start just after a
# boundary and retry when the machine is too slow for that.
caption_shot=
for attempt in 1 2 3; do
    ns=$(date +%N)
    sleep "$(printf '0.%09d' $((999999999 - 10#$ns)))"
    sleep 0.01
    started=$(date +%s)
    start_clock
    wid=$(find_window) || { wid=; break; }
    while (($(date +%s) == started)); do
        shoot 187x16+100+20 "$tmp/caption.png" || break
        # Only a painted frame counts (text on a background, not an empty black window), and
        # only if it was complete before the boundary.
        dark=$(dark_pixels "$tmp/caption.png")
        ((dark > 10 && dark < 187 * 16 / 2)) || continue
        (($(date +%s) == started)) && caption_shot=$tmp/caption.png
        break
    done
    [[ -n $caption_shot ]] && break
    ((attempt < 3)) && stop_clock
done

if [[ -z $wid ]]; then
    fail "seeded store: no mapped window named \"ZORVEK Inc.TIME\" within 10 s"
    finish
fi
pass "seeded store: window is mapped (a lock left by a killed copy does not block it)"
if wait_geometry "$wid" "100,20 187x16"; then
    pass "seeded store: left 1500 and top 300 twips put the window at 100,20; RQ 1 makes it 187x16"
else
    fail "seeded store: window at $geometry, wanted 100,20 187x16"
fi

if [[ -z $caption_shot ]]; then
    fail "seeded store: could not take a frame before the first tick in three starts"
else
    cp "$caption_shot" "$out/e2e-startup-caption.png"
    sleep 2.5
    shot="$out/e2e-seeded.png"
    shoot 187x16+100+20 "$shot"
    # The date label spans x 3 to 83 of the strip; the time label ends at 148.
    n=$(region_changed "$caption_shot" "$shot" 78x16+3+0)
    if ((n > 0)); then
        pass "seeded store: the date label changed from its start-up caption ($n pixels differ)"
    else
        fail "seeded store: the date label still shows its start-up caption after 2.5 s"
    fi

    sleep 1.1
    shoot 187x16+100+20 "$tmp/later.png"
    n=$(region_changed "$shot" "$tmp/later.png" 67x16+81+0)
    if ((n > 0)); then
        pass "seeded store: the time label changed within 1.1 s ($n pixels differ)"
    else
        fail "seeded store: the time label did not change within 1.1 s"
    fi

    # With RQ 1 and icon type the labels "R" and "Q" show at x 154 to 182.
    # Beyond a narrower window lies the black root window: mostly dark is not text.
    convert "$shot" -crop 30x16+153+0 +repage "$tmp/rq.png"
    dark=$(dark_pixels "$tmp/rq.png")
    if ((dark > 10 && dark < 30 * 16 / 2)); then
        pass "seeded store: the labels R and Q show on the widened strip"
    else
        fail "seeded store: nothing drawn where the labels R and Q belong (see $shot)"
    fi
fi

kill -0 "$clock_pid" 2>/dev/null || fail "the clock ended on its own"
stop_clock
finish
