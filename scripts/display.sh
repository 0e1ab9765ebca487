# Sourced by the scripts that need an X display: `ensure_display` starts a
# private Xvfb server when DISPLAY is unset, and stops it when the shell exits.

q5_xvfb_pid=

q5_stop_display() {
    if [ -n "$q5_xvfb_pid" ]; then
        kill "$q5_xvfb_pid" 2>/dev/null || true
        wait "$q5_xvfb_pid" 2>/dev/null || true
        q5_xvfb_pid=
    fi
}

ensure_display() {
    [ -z "${DISPLAY:-}" ] || return 0
    local n
    trap q5_stop_display EXIT
    for n in $(seq 90 199); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
            continue
        fi
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        q5_xvfb_pid=$!
        for _ in $(seq 1 100); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$q5_xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        q5_xvfb_pid=
    done
    echo "could not start a private Xvfb display" >&2
    return 1
}
