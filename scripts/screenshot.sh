#!/usr/bin/env bash
# Makes docs/screenshot.png: builds the window, checks under a virtual X
# display that the program itself comes up as "Form1", then runs one
# computation of the outer side case (N = 5) through the real dialogs with the
# test helper quorvel-screenshot and photographs the screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=build-screenshot
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target quorvel quorvel-screenshot >/dev/null

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
build=$1
wait_for() {  # file, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do [ -s "$1" ] && return 0; sleep 0.1; done
  return 1
}
log=$(mktemp)

# The program itself: a top-level window titled Form1 must come up. (Read
# through libX11 from Python where Python is at hand.)
if command -v python3 >/dev/null; then
  "$build/src/app/window/quorvel" & pid=$!
  found=no
  for _ in $(seq 1 50); do
    if python3 - <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 3 + [ctypes.POINTER(ctypes.c_uint)]
x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                 ctypes.c_int, ctypes.c_ulong] + [ctypes.c_void_p] * 5
d = x.XOpenDisplay(None)
name, utf8 = x.XInternAtom(d, b"_NET_WM_NAME", 0), x.XInternAtom(d, b"UTF8_STRING", 0)
r, p = ctypes.c_ulong(), ctypes.c_ulong()
kids, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
x.XQueryTree(d, x.XDefaultRootWindow(d), ctypes.byref(r), ctypes.byref(p), ctypes.byref(kids), ctypes.byref(n))
for i in range(n.value):
    t, f, items, after = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    data = ctypes.c_char_p()
    x.XGetWindowProperty(d, kids[i], name, 0, 64, 0, utf8, ctypes.byref(t), ctypes.byref(f),
                         ctypes.byref(items), ctypes.byref(after), ctypes.byref(data))
    if data.value == b"Form1":
        sys.exit(0)
sys.exit(1)
PY
    then found=yes; break; fi
    sleep 0.2
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [ "$found" = yes ] || { echo "no window titled Form1" >&2; exit 1; }
  echo "the program's window Form1 is up"
fi

# The window after a whole computation.
"$build/tests/window/quorvel-screenshot" >"$log" & pid=$!
wait_for "$log" 30 || { echo "the computation did not finish" >&2; kill "$pid"; exit 1; }
grep -qx ready "$log" || { cat "$log" >&2; kill "$pid"; exit 1; }
sleep 0.5
import -window root docs/screenshot.png
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -f "$log"
INNER
chmod +x "$inner"
# The screen is exactly the window's client area, which opens at its top left.
xvfb-run -a -s "-screen 0 937x665x24" "$inner" "$build"
echo "wrote docs/screenshot.png"
