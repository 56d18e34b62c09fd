#!/usr/bin/env python3
"""Accessibility tree of the real kasumiro, read over AT-SPI as a screen reader reads it.

Run inside a D-Bus session and an X server:
    dbus-run-session -- xvfb-run -a python3 atspi_test.py KASUMIRO MAKE_SAMPLE_GAME
or, with "wayland" after them, inside a D-Bus session only: the program then
runs as a native client of a headless weston of its own, with only
WAYLAND_DISPLAY set.
"""
import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: no pyatspi (python3-pyatspi) for this Python")
    sys.exit(77)


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    raise AssertionError(f"{name} never appeared on the accessibility bus")


TABLES = ("table", "tree table", "tree")


def walk(node):
    yield node
    if node.getRoleName() in TABLES:
        return  # its cells are not needed, only its name and headings
    for child in node:
        if child is not None:
            yield from walk(child)


def controls(app):
    """(role name, accessible name, checked) of every node below the application;
    a table's checked is its column headings instead."""
    found = []
    for node in walk(app):
        if node.getRoleName() in TABLES:
            table = node.queryTable()
            headings = tuple(table.getColumnDescription(i) for i in range(table.nColumns))
            found.append(("table", node.name, headings))
            continue
        checked = node.getState().contains(pyatspi.STATE_CHECKED)
        found.append((node.getRoleName(), node.name, checked))
    return found


def press(parent, name, seconds=10):
    """Presses the named push button below parent once it is there."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for node in walk(parent):
            if node.getRoleName() == "push button" and node.name == name:
                node.queryAction().doAction(0)
                return
        time.sleep(0.2)
    raise AssertionError(f"no button {name}")


def confirmation(app, seconds=10):
    """The confirmation box with its details unfolded, as read; closed again with いいえ."""
    press(app, "実行")
    deadline = time.time() + seconds
    while time.time() < deadline:
        boxes = [window for window in app if window is not None and window.getRoleName() == "dialog"]
        if boxes:
            press(boxes[0], "詳細を表示...")
            time.sleep(0.5)
            found = controls(boxes[0])
            press(boxes[0], "いいえ(N)")
            return found
        time.sleep(0.2)
    raise AssertionError("no confirmation box")


def end_with_parent():
    """The child gets SIGTERM when this script ends, also by an abort (AT-SPI's dbind errors abort)."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start_weston(temp):
    """A headless weston on a socket in temp; the environment that names only it."""
    runtime = os.path.join(temp, "runtime")
    os.makedirs(runtime, mode=0o700)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wayland-kasumiro",
                               "--idle-time=0", "--width=1280", "--height=800"],
                              env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
    socket = os.path.join(runtime, "wayland-kasumiro")
    deadline = time.time() + 20
    while not os.path.exists(socket) and time.time() < deadline:
        time.sleep(0.1)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    return weston, dict(env, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-kasumiro")


def main(kasumiro, make_sample_game, platform="xcb"):
    with tempfile.TemporaryDirectory() as temp:
        game = os.path.join(temp, "game") + "/"
        os.makedirs(game)
        subprocess.run([make_sample_game, game], check=True, stdout=subprocess.DEVNULL)
        os.makedirs(os.path.join(temp, "config", "kasumiro"))
        with open(os.path.join(temp, "config", "kasumiro", "kasumiro.ini"), "w") as ini:
            ini.write(f"[Kasumiro]\nBaseDir={game}\nSaveData=1\n")
        weston, env = start_weston(temp) if platform == "wayland" else (None, dict(os.environ, QT_QPA_PLATFORM="xcb"))
        env = dict(env, XDG_CONFIG_HOME=os.path.join(temp, "config"), XDG_DATA_HOME=os.path.join(temp, "data"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_TIME="ja_JP.UTF-8")
        program = subprocess.Popen([kasumiro], env=env)
        try:
            app = find_application(os.path.basename(kasumiro))
            time.sleep(0.5)
            found = controls(app)
            box = confirmation(app)
        finally:
            program.send_signal(signal.SIGTERM)
            status = program.wait(timeout=20)
            if weston:
                weston.terminate()
                weston.wait(timeout=20)
        with open(os.path.join(temp, "config", "kasumiro", "kasumiro.ini")) as ini:
            stored = ini.read()
    for line in found + box:
        print(*line, sep="\t")
    expected = [
        ("frame", "Kasumiro", False),
        ("label", "セーブデータを選択して実行ボタンをクリックして下さい", False),
        ("push button", "実行", False), ("push button", "設定", False), ("push button", "終了", False),
        ("radio button", "NEW.DAT", True),
        # The way back at any time, in the menu bar.
        ("menu item", "元に戻す(U)", False), ("menu item", "バックアップの一覧(B)...", False),
    ]
    # The box's icon and its change list are named, the list's columns headed.
    expected_box = [
        ("image", "質問", False), ("label", "実行しますか?", False),
        ("table", "書き換える名前の一覧", ("番号", "今の名前", "新しい名前")),
    ]
    missing = [e for e in expected if e not in found] + [e for e in expected_box if e not in box]
    slots = [(name, checked) for role, name, checked in found if role == "radio button" and name.startswith("LOG")]
    groups = {name for role, name, _ in found if role in ("panel", "grouping", "filler")}
    problems = []
    if missing:
        problems.append(f"missing: {missing}")
    if [name[:8] for name, _ in slots] != ["LOG1.DAT", "LOG2.DAT", "LOG3.DAT", "LOG4.DAT", "LOG5.DAT"]:
        problems.append(f"slot radio buttons: {slots}")
    elif [checked for _, checked in slots] != [False, True, False, False, False]:
        problems.append(f"checked slot: {slots}")
    if not {"シナリオ", "セーブデータ"} <= groups:
        problems.append(f"group boxes: {groups}")
    if status != 0:
        problems.append(f"exit code {status} after SIGTERM")
    if "SaveData=1" not in stored:
        problems.append(f"slot not stored: {stored}")
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
