# Sourced by the scripts that start a built composer on a Wayland compositor: weston's
# headless backend, drawing into memory, with a plain background and no panel, so that
# whatever else a screenshot shows is a window. Weston runs in a private runtime directory
# with a socket of its own; stop_wayland_session ends it and removes the directory.

wayland_socket=orvo-test

# Starts weston; sets `wayland_dir`, `weston`, and `on_wayland`, the command prefix that
# makes a program a client of it (`"${on_wayland[@]}" program &` sets $! to the program).
start_wayland_session() {
    wayland_dir=$(mktemp -d)
    printf '[shell]\nbackground-color=0xff204080\npanel-position=none\nanimation=none\nclose-animation=none\n' >"$wayland_dir/weston.ini"
    # --debug lets weston-screenshooter capture the output.
    XDG_RUNTIME_DIR=$wayland_dir weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
        --socket="$wayland_socket" --config="$wayland_dir/weston.ini" --idle-time=0 --debug \
        >"$wayland_dir/weston.log" 2>&1 &
    weston=$!
    on_wayland=(env XDG_RUNTIME_DIR="$wayland_dir" WAYLAND_DISPLAY="$wayland_socket" QT_QPA_PLATFORM=wayland)
    for _ in $(seq 100); do [ -S "$wayland_dir/$wayland_socket" ] && return; sleep 0.05; done
    echo "weston did not start: $(cat "$wayland_dir/weston.log")" >&2
    return 1
}

# Saves a screenshot of the whole output as FILE.
wayland_screenshot() {
    (cd "$wayland_dir" && "${on_wayland[@]}" weston-screenshooter) && mv "$wayland_dir"/wayland-screenshot-*.png "$1"
}

stop_wayland_session() {
    [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
    [ -n "${wayland_dir:-}" ] && rm -rf "$wayland_dir"
    weston="" wayland_dir=""
}
