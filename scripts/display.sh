# Sourced by the scripts that need an X display.
#  q5_start_xvfb: starts a private Xvfb server on a free display, exports
#                 DISPLAY and leaves its process id in q5_xvfb_pid; its screen
#                 is Q5_XVFB_SCREEN (default 1280x1024x24).
#  ensure_display: when DISPLAY is unset, starts one for this shell and stops
#                 it when the shell exits.

q5_xvfb_pid=

q5_stop_display() {
    if [ -n "$q5_xvfb_pid" ]; then
        kill "$q5_xvfb_pid" 2>/dev/null || true
        wait "$q5_xvfb_pid" 2>/dev/null || true
        q5_xvfb_pid=
    fi
}

q5_start_xvfb() {
    local n
    for n in $(seq 90 199); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
            continue
        fi
        setsid Xvfb ":$n" -screen 0 "${Q5_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp </dev/null >/dev/null 2>&1 &
        q5_xvfb_pid=$!
        for _ in $(seq 1 100); do
            # The server must be ours: another script may have taken the
            # same display number a moment earlier.
            kill -0 "$q5_xvfb_pid" 2>/dev/null || break
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.05
        done
        q5_xvfb_pid=
    done
    echo "could not start a private Xvfb display" >&2
    return 1
}

ensure_display() {
    [ -z "${DISPLAY:-}" ] || return 0
    trap q5_stop_display EXIT
    q5_start_xvfb
}
