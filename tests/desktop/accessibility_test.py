"""Drives the window as a screen reader does, over the AT-SPI accessibility bus.

Starts the program on a private X server (Xvfb) inside a private session bus, with Qt's
accessibility bridge on, then finds every text field by its accessible name, types one case
per panel through the EditableText interface, presses the panel's button through its
Action interface and reads the result back through the Text interface or the label's name.
It also reads the captions of the two clickable labels and the failure message.

Usage: accessibility_test.py PROGRAM. Exit status 0: passed, 1: failed, 77: skipped because
no X server could be started.
"""

import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings
from fractions import Fraction

SKIP = 77
INNER = "VORANTIS_A11Y_INNER"

# What a screen reader says for each visible text field.
FIELD_NAMES = [
    "numerator of the fraction", "denominator of the fraction", "decimal", "percent",
    "common factor", "least common multiple", "number to test", "number under the root",
    "base", "exponent", "power",
    "numerator of the first fraction", "denominator of the first fraction",
    "numerator of the second fraction", "denominator of the second fraction",
    "numerator of the result", "denominator of the result",
    "left operand", "right operand", "result",
    "dividend", "divisor", "quotient", "remainder",
]


def number_text(value):
    """The text a field shows for an exact value: 12, 0.25."""
    value = Fraction(value)
    return str(value.numerator) if value.denominator == 1 else str(float(value))


def is_prime(number):
    return number >= 2 and all(number % k for k in range(2, math.isqrt(number) + 1))


def panel_cases():
    """One case per panel: (panel, typed {field: text}, control to press, expected)."""
    quotient, remainder = divmod(17, 5)
    simple = Fraction(6, 8)
    fraction_sum = Fraction(1, 2) + Fraction(1, 3)
    return [
        ("decimal arithmetic", {"left operand": "3", "right operand": "4"}, "multiply",
         {"result": number_text(3 * 4)}),
        ("integer division", {"dividend": "17", "divisor": "5"}, "Solve",
         {"quotient": number_text(quotient), "remainder": number_text(remainder)}),
        ("square root", {"number under the root": "81"}, "Calculate",
         {"Calculate": number_text(math.isqrt(81))}),
        ("exponents", {"base": "2", "exponent": "10"}, "calculate the power",
         {"power": number_text(2 ** 10)}),
        ("prime", {"number to test": "97"}, "Check",
         {"Check": "Prime" if is_prime(97) else "Composite"}),
        ("conversion", {"numerator of the fraction": "1", "denominator of the fraction": "4"},
         "from fraction",
         {"decimal": number_text(Fraction(1, 4)), "percent": number_text(Fraction(1, 4) * 100)}),
        ("simplify", {"numerator of the fraction": "6", "denominator of the fraction": "8"},
         "Simplify",
         {"numerator of the fraction": number_text(simple.numerator),
          "denominator of the fraction": number_text(simple.denominator),
          "common factor": number_text(math.gcd(6, 8)),
          "least common multiple": number_text(math.lcm(simple.numerator, simple.denominator))}),
        ("fraction arithmetic",
         {"numerator of the first fraction": "1", "denominator of the first fraction": "2",
          "numerator of the second fraction": "1", "denominator of the second fraction": "3"},
         "add fractions",
         {"numerator of the result": number_text(fraction_sum.numerator),
          "denominator of the result": number_text(fraction_sum.denominator)}),
    ]


class Failed(Exception):
    pass


def wait_for(what, probe, timeout=10.0):
    """Polls probe() until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"timed out waiting for {what}")
        time.sleep(0.1)


def start_x_server(workdir):
    """Starts Xvfb on a free display; returns (process, display) or (None, reason)."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        return None, "Xvfb is not installed"
    read_end, write_end = os.pipe()
    with open(os.path.join(workdir, "xvfb.log"), "w") as log:
        server = subprocess.Popen(
            [xvfb, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=log, stderr=log)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 15
    os.set_blocking(read_end, False)
    while not number.endswith(b"\n") and time.monotonic() < deadline and server.poll() is None:
        try:
            number += os.read(read_end, 16)
        except BlockingIOError:
            time.sleep(0.05)
    os.close(read_end)
    if not number.strip().isdigit():
        stop(server)
        return None, "Xvfb did not start (see xvfb.log)"
    return server, ":" + number.strip().decode()


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Window:
    """The program's accessible tree, read through libatspi."""

    def __init__(self, pid):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.atspi = Atspi
        Atspi.set_timeout(5000, 15000)
        self.app = wait_for("the program on the accessibility bus", lambda: self.find_app(pid), 20)

    def find_app(self, pid):
        desktop = self.atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    def all_objects(self):
        found, stack = [], [self.app]
        while stack:
            node = stack.pop()
            found.append(node)
            stack.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
        return found

    def showing(self, node):
        return node.get_state_set().contains(self.atspi.StateType.SHOWING)

    def name(self, node):
        node.clear_cache()
        return node.get_name()

    def text(self, node):
        node.clear_cache()
        return self.atspi.Text.get_text(node, 0, -1)

    def set_text(self, node, text):
        if not self.atspi.EditableText.set_text_contents(node, text):
            raise Failed(f"could not type into {node.get_name()!r}")

    def press(self, node):
        with warnings.catch_warnings():
            # The one call for an action's name that this libatspi's bindings offer.
            warnings.simplefilter("ignore", DeprecationWarning)
            names = [self.atspi.Action.get_action_name(node, i)
                     for i in range(self.atspi.Action.get_n_actions(node))]
        for i, name in enumerate(names):
            if name == "Press":
                self.atspi.Action.do_action(node, i)
                return
        raise Failed(f"{self.name(node)!r} offers no press action")


def check_window(window, missing):
    """Finds the fields, buttons, clickable labels and failure message; notes what is missing."""
    role = window.atspi.Role
    visible = [node for node in window.all_objects() if window.showing(node)]
    fields = {}
    for node in visible:
        if node.get_role() == role.TEXT:
            fields.setdefault(window.name(node), []).append(node)
    for name in FIELD_NAMES:
        if len(fields.get(name, [])) != 1:
            missing.append(f"text field {name!r}: found {len(fields.get(name, []))} times")
    unnamed = sorted(set(fields) - set(FIELD_NAMES))
    if unnamed:
        missing.append(f"text fields with unexpected names: {unnamed}")

    controls = {}
    for node in visible:
        if node.get_role() in (role.PUSH_BUTTON, role.LABEL):
            controls.setdefault(window.name(node), node)
    for caption in ("Calculate", "Check"):
        if caption not in controls:
            missing.append(f"no label reads {caption!r}")

    status = [node for node in visible if node.get_role() == role.STATUS_BAR]
    failure_label = next((node.get_child_at_index(i) for node in status
                          for i in range(node.get_child_count())), None)
    if failure_label is None:
        missing.append("no failure message in the status bar")
    return {name: nodes[0] for name, nodes in fields.items()}, controls, failure_label


def run_case(window, fields, controls, case):
    """Types, presses and reads back one case; returns what went wrong, or None."""
    panel, typed, button, expected = case
    try:
        for name, text in typed.items():
            window.set_text(fields[name], text)
            if window.text(fields[name]) != text:
                raise Failed(f"{name!r} reads {window.text(fields[name])!r} after typing {text!r}")
        target = controls[button]
        window.press(target)
        for name, want in expected.items():
            # A field's result is its text; a clickable label's result is its caption.
            node, read = (fields[name], window.text) if name in fields else (target, window.name)
            wait_for(f"{name!r} to read {want!r}", lambda: read(node) == want, 5)
            print(f"ok: {panel}: {name!r} reads {want!r}")
        return None
    except (Failed, KeyError) as problem:
        return f"{panel}: {problem}"


def check_failure_message(window, fields, controls, failure_label):
    """A failed division is announced in the status bar, and the next success clears it."""
    prefix = "Add, Subtract, Multiply, and Divide: "
    try:
        window.set_text(fields["left operand"], "1")
        window.set_text(fields["right operand"], "0")
        window.set_text(fields["result"], "kept")
        window.press(controls["divide"])
        message = wait_for("the failure message", lambda: window.name(failure_label), 5)
        if not message.startswith(prefix) or len(message) == len(prefix):
            return f"failure message {message!r} does not name the panel and the fault"
        if window.text(fields["result"]) != "kept":
            return "a failed division changed the result field"
        window.set_text(fields["right operand"], "4")
        window.press(controls["divide"])
        wait_for("the failure message to clear", lambda: window.name(failure_label) == "", 5)
        print(f"ok: failure message reads {message!r}")
        return None
    except (Failed, KeyError) as problem:
        return f"failure message: {problem}"


def inner(program, workdir):
    server, display = start_x_server(workdir)
    if server is None:
        print(f"SKIPPED: no X server could be started: {display}")
        return SKIP
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("WAYLAND_DISPLAY", None)
    app = None
    failures = []  # one entry per check that failed
    passed = 0

    def tally(problem):
        nonlocal passed
        if problem:
            failures.append(problem)
        else:
            passed += 1

    try:
        app = subprocess.Popen([program], env=env)
        window = Window(app.pid)
        missing = []
        fields, controls, failure_label = check_window(window, missing)
        tally("; ".join(missing))
        for case in panel_cases():
            tally(run_case(window, fields, controls, case))
        if failure_label is not None:
            tally(check_failure_message(window, fields, controls, failure_label))
        if app.poll() is not None:
            failures.append(f"the program ended with status {app.returncode}")
    except Exception as problem:  # a D-Bus error or a crash ends the run, not the cleanup
        failures.append(f"{type(problem).__name__}: {problem}")
    finally:
        stop(app)
        stop(server)
    for failure in failures:
        print(f"FAILED: {failure}")
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


def main():
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(INNER):
        return inner(program, os.environ["XDG_RUNTIME_DIR"])
    # A private session bus, so the accessibility bus it activates is ours alone and ends
    # with the test; a private runtime folder for the sockets and logs.
    runner = shutil.which("dbus-run-session")
    if not runner:
        print("FAILED: dbus-run-session is not installed")
        return 1
    workdir = tempfile.mkdtemp(prefix="vorantis-a11y-")
    env = dict(os.environ, XDG_RUNTIME_DIR=workdir, **{INNER: "1"})
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    child = subprocess.Popen([runner, "--", sys.executable, os.path.abspath(__file__), program],
                             env=env, start_new_session=True)
    try:
        return child.wait(timeout=120)
    except subprocess.TimeoutExpired:
        print("FAILED: the test did not finish within 120 s")
        os.killpg(child.pid, signal.SIGKILL)
        child.wait()
        return 1
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
