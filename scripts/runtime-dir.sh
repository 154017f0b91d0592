# Sourced by the test scripts: XDG_RUNTIME_DIR names a folder of the user's own
# with mode 0700, the session's when it is one, else a fresh one made for this
# run under TMPDIR and removed at its end.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ] || [ ! -O "$XDG_RUNTIME_DIR" ] ||
    [ "$(stat -c %a "$XDG_RUNTIME_DIR")" != 700 ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
