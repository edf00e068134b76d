#!/usr/bin/env python3
"""Starts a program on the X display and waits for its first top-level window to be mapped.

    window_mapped.py SETTLE_SECONDS PROGRAM [ARGUMENT...]

Prints one line "mapped_ms=N class=INSTANCE/CLASS vmhwm_kb=N": the milliseconds from starting the process
to the MapNotify of its window on the root, the window's WM_CLASS, and the process's peak memory SETTLE_SECONDS
after the mapping (its first paint done). The program does not end by itself, so it then gets SIGTERM.
Uses libX11 through ctypes; watching the root's substructure needs no window manager.
"""
import ctypes
import ctypes.util
import select
import signal
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
WAIT_LIMIT_SECONDS = 30


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_char_p), ("res_class", ctypes.c_char_p)]


def load_x11():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XGetClassHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XClassHint)]
    return x11


def window_class(x11, display, window):
    hint = XClassHint()
    if not x11.XGetClassHint(display, window, ctypes.byref(hint)):
        return "?/?"
    # The two strings stay allocated by Xlib; a short-lived helper need not free them.
    return f"{(hint.res_name or b'?').decode()}/{(hint.res_class or b'?').decode()}"


def peak_kilobytes(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    settle = float(sys.argv[1])
    x11 = load_x11()
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("window_mapped.py: cannot open the X display")
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    x11.XFlush(display)
    connection = x11.XConnectionNumber(display)

    start = time.monotonic()
    process = subprocess.Popen(sys.argv[2:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    event = XEvent()
    mapped = None
    while mapped is None:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                mapped = (time.monotonic() - start, event.xmap.window)
                break
        if mapped is not None:
            break
        if process.poll() is not None:
            sys.exit(f"window_mapped.py: the program ended ({process.returncode}) before mapping a window")
        if time.monotonic() - start > WAIT_LIMIT_SECONDS:
            process.kill()
            sys.exit(f"window_mapped.py: no window within {WAIT_LIMIT_SECONDS} s")
        select.select([connection], [], [], 0.05)

    seconds, window = mapped
    classes = window_class(x11, display, window)  # while the window exists
    time.sleep(settle)
    peak = peak_kilobytes(process.pid)
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    print(f"mapped_ms={seconds * 1000:.1f} class={classes} vmhwm_kb={peak}")


if __name__ == "__main__":
    main()
