#!/usr/bin/env bash
# The simple mode opens its start program with the parameters of autorun.des and ends; with a start sound
# the player stays until the sound, measured through the media interface, has had its time.
. "$(dirname "$0")/player_lib.sh"
printf 'false\r\n' >"$CD/menu.cfg"
# The start program: a batch file that records its parameters beside itself.
printf '@echo off\r\necho started %%* > "%%~dp0started.txt"\r\n' >"$CD/start.bat"
des '\start.bat' "" "-x"
start_player
player_ended 20 || fail "the player did not end in the simple mode"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
for ((i = 0; i < 100; i++)); do [ -s "$CD/started.txt" ] && break; sleep 0.1; done
grep -q "started -x" "$CD/started.txt" || fail "the start program did not get -x: $(cat "$CD/started.txt" 2>&1)"
no_crash

# A real 3-second WAV: the player outlives the start program's launch by the sound's length.
rm -f "$CD/started.txt"
sox -n -r 8000 -c 1 -b 16 "$CD/intro sound.wav" synth 3 sine 440 vol 0.1
des '\start.bat' '\intro sound.wav' ""
start_player
for ((i = 0; i < 200; i++)); do [ -s "$CD/started.txt" ] && break; sleep 0.1; done
[ -s "$CD/started.txt" ] || fail "the start program did not run"
sleep 1.5
[ ! -f "$TMP/rc" ] || fail "the player ended before its 3-second start sound"
player_ended 20 || fail "the player did not end after its start sound"
[ "$(cat "$TMP/rc")" = 0 ] || fail "the player ended with $(cat "$TMP/rc")"
no_crash
echo "simple mode opens its start program and waits for its start sound"
