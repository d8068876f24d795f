#!/usr/bin/env bash
# Orca listening to the real window under Xvfb: a D-Bus session and an
# accessibility bus of the test's own, speech sent nowhere, and Orca's debug
# output read for what it says. Orca that fails to start is tried once more;
# the test never passes without it. The driver, a Python script, is given its
# arguments and then the file Orca's debug output goes to.
# Usage: screen_reader_test.sh DRIVER [ARGUMENT...]
set -uo pipefail
driver=$1
shift
arguments=$(printf '%q ' "$@")
for tool in Xvfb dbus-run-session orca xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh a11y)"; exit 1; }
done

attempt() {
    local home
    home=$(mktemp -d)
    mkdir -p "$home/.config/speech-dispatcher" "$home/run"
    chmod 700 "$home/run"
    # Without this speech-dispatcher waits for a sound card, and Orca with it.
    echo 'AudioOutputMethod "libao"' >"$home/.config/speech-dispatcher/speechd.conf"
    echo 'default_driver=null' >"$home/.libao"
    local display=:$((200 + RANDOM % 300))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
    local xvfb=$!
    for _ in $(seq 100); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/.config DISPLAY=$display \
        LANG=es_ES.UTF-8 LANGUAGE=es NO_AT_BRIDGE=0 \
        dbus-run-session -- bash -c '
            /usr/libexec/at-spi-bus-launcher --launch-immediately &
            bus=$!
            sleep 1
            # Orca debug output, line by line, so that nothing is lost if it ends.
            /usr/bin/python3 -c "
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered(file, mode=\"r\", *rest, **options):
    if (\"w\" in mode or \"a\" in mode) and \"b\" not in mode and not rest:
        options.setdefault(\"buffering\", 1)
    return plain_open(file, mode, *rest, **options)
builtins.open = line_buffered
sys.argv = [\"orca\", \"--debug-file=$HOME/orca.debug\"]
runpy.run_path(\"/usr/bin/orca\", run_name=\"__main__\")
" >"$HOME/orca.log" 2>&1 &
            orca=$!
            for _ in $(seq 150); do grep -q "SPEECH OUTPUT" "$HOME/orca.debug" 2>/dev/null && break; sleep 0.1; done
            if ! grep -q "SPEECH OUTPUT" "$HOME/orca.debug" 2>/dev/null; then
                echo "Orca did not start"; tail -5 "$HOME/orca.log"; status=3
            else
                /usr/bin/python3 "'"$driver"'" '"$arguments"' "$HOME/orca.debug"
                status=$?
            fi
            kill $orca $bus 2>/dev/null
            pid_file=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
            [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null
            exit $status'
    local status=$?
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -rf "$home"
    return $status
}

attempt
status=$?
if [[ $status -eq 3 ]]; then
    echo "Orca did not start; trying once more"
    attempt
    status=$?
fi
[[ $status -eq 0 ]] || echo "FAIL: screen reader test (status $status)"
exit $status
