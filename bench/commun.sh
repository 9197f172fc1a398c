# Sourced by the X benchmarks: the session and the priority they run with.
cd "$(dirname "$0")/.."
# A desktop session has a message bus: without one, every Qt program spends its start-up
# trying to launch one.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
# On a shared machine, as root, the timed programs and the X server run ahead of the rest
# (PRIORITE=0 to leave them be).
PRIORITE=${PRIORITE:--15}
[ "$(id -u)" = 0 ] || PRIORITE=0
devant() { nice -n "$PRIORITE" "$@"; }
BUILD=${BUILD:-build}
