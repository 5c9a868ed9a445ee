# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the window as a screen reader does, over the AT-SPI accessibility bus: finds every
text field by its accessible name, types through the EditableText interface, presses buttons
and the two clickable labels through their actions, and reads results and the failure line.

Usage: accessibility_test.py PROGRAM (run by itself under xvfb-run and a private session bus).
Exit status 0: passed, 1: failed, 77: skipped, no X server here.
"""
import os, shutil, subprocess, sys, tempfile, time


def pump():  # the events the bus has brought, handed to their listeners
    from gi.repository import GLib
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(probe, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not (value := probe()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return value


def launch(program, settings):
    """The program started with those view settings, and every node it shows on the bus."""
    from gi.repository import Atspi, GLib
    config = tempfile.mkdtemp()
    os.makedirs(os.path.join(config, "vorantis"))
    with open(os.path.join(config, "vorantis", "vorantis.conf"), "w") as file:
        file.write(settings)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=config)
    app = subprocess.Popen([program], env=env)
    def process_of(node):  # an application that has just ended may still be listed, defunct
        try:
            return node.get_process_id()
        except GLib.Error:
            return None

    def find_app():
        desktop = Atspi.get_desktop(0)
        return next((a for a in map(desktop.get_child_at_index, range(desktop.get_child_count()))
                     if a and process_of(a) == app.pid), None)
    root, nodes = wait_for(find_app, 30), []
    if not root:
        app.kill()
    assert root, "the program never appeared on the accessibility bus"
    stack = [root]
    while stack:
        nodes.append(stack.pop())
        stack.extend(map(nodes[-1].get_child_at_index, range(nodes[-1].get_child_count())))
    return app, [n for n in nodes if n.get_state_set().contains(Atspi.StateType.SHOWING)]


def inner(program):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    # The registry is up before the program starts, so the program finds it to register with.
    Atspi.get_desktop(0).get_child_count()
    app, nodes = launch(program, "[view]\nworking=true\nzoom=100\n")
    try:
        # The window is a frame with its title, as a screen reader names the window it is in.
        frames = [(n.get_name(), n.get_role()) for n in nodes if n.get_role() in (Atspi.Role.FRAME, Atspi.Role.FILLER)]
        assert frames[0] == ("Vorantis", Atspi.Role.FRAME), frames
        shown = [n for n in nodes if n.get_state_set().contains(Atspi.StateType.SHOWING)]
        working = next(n for n in shown if n.get_name() == "Working")
        texts = [n for n in shown if n.get_role() == Atspi.Role.TEXT and n != working]
        fields = {n.get_name(): n for n in texts}
        controls = {n.get_name(): n for n in shown if n.get_role() in (Atspi.Role.PUSH_BUTTON, Atspi.Role.LABEL)}
        status = next(n.get_child_at_index(0) for n in shown if n.get_role() == Atspi.Role.STATUS_BAR)
        assert len(texts) == len(fields) == 24 and "" not in fields, f"fields by name: {sorted(fields)}"
        # A field under a caption is found by the caption's words first.
        assert {"LCM, common factor", "LCD, least common multiple", "Result, quotient"} <= set(fields), sorted(fields)

        def read(node):
            node.clear_cache()
            if node.get_role() != Atspi.Role.TEXT:
                return node.get_name()
            return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))

        def press(name, typed, result_of=None, expected=None):
            for field, text in typed.items():
                Atspi.EditableText.set_text_contents(fields[field], text)
            node = controls[name]
            Atspi.Action.do_action(node, [Atspi.Action.get_action_name(node, i)
                                          for i in range(Atspi.Action.get_n_actions(node))].index("Press"))
            assert expected is None or wait_for(lambda: read(result_of) == expected, 5), \
                f"{name}: {read(result_of)!r}, not {expected!r}"

        press("multiply", {"left operand": "3", "right operand": "4"}, fields["result"], "12")
        press("Solve", {"dividend": "17", "divisor": "5"}, fields["remainder"], "2")
        press("Calculate", {"number under the root": "81"}, controls["Calculate"], "9")
        press("Check", {"number to test": "97"}, controls["Check"], "Prime")
        # The failure line shows once the click has run; only then does the kept result tell.
        press("divide", {"right operand": "0"}, status, "Add, Subtract, Multiply, and Divide: the right operand "
              "is 0, and no number can be divided by 0")
        assert read(fields["result"]) == "12", f"a failed division wrote {read(fields['result'])!r}"
        # 1/2 ÷ 1/0 stops with 0 over 2 written: said to be unfinished, never the answer.
        press("divide fractions", {"numerator of the first fraction": "1", "denominator of the first fraction": "2",
                                   "numerator of the second fraction": "1", "denominator of the second fraction": "0"})
        def described(node):
            node.clear_cache()
            return node.get_description()
        for term in ("numerator of the result", "denominator of the result"):
            assert wait_for(lambda: described(fields[term]).startswith("unfinished"), 5), described(fields[term])
        # A result is described as it is said, where a voice would read its digits otherwise.
        press("divide", {"left operand": "1", "right operand": "8"}, fields["result"], "0.125")
        assert described(fields["result"]) == "0 point 1 2 5", described(fields["result"])
        # Each answer is announced on the bus as the status line's new name, as a pupil says it,
        # and the working reads so too: "one half plus one third", never "1 slash 2".
        heard = []
        listener = Atspi.EventListener.new(lambda event: heard.append(event.source.get_name()))
        listener.register("object:property-change:accessible-name")
        press("add fractions", {"denominator of the second fraction": "3"})
        assert wait_for(lambda: pump() or "one half plus one third is five sixths" in heard, 5), heard
        assert wait_for(lambda: "one half plus one third is three sixths plus two sixths is five sixths" in read(working), 5), \
            read(working)
        assert "\ufffc" not in read(working) and "17 divided by 5 is 3 remainder 2" in read(working), read(working)
        app.kill()
        # The practice room: each box found by its caption, the exercise as a pupil says it, and
        # the reply to an answer announced as a click's answer is.
        app, nodes = launch(program, "[view]\npractice=true\nzoom=100\n")
        fields = {n.get_name(): n for n in nodes if n.get_role() == Atspi.Role.TEXT}
        controls = {n.get_name(): n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON}
        assert {"Sheet code", "whole number", "numerator", "denominator", "Reply"} <= set(fields), sorted(fields)
        labels = [n.get_name() for n in nodes if n.get_role() == Atspi.Role.LABEL]
        assert any(" plus " in name and "/" not in name for name in labels), labels
        heard.clear()
        press("Check", {"numerator": "1000", "denominator": "1"}, fields["Reply"])
        assert wait_for(lambda: pump() or any(name.startswith("Not yet.") for name in heard), 5), heard
        assert wait_for(lambda: read(fields["Reply"]).startswith("Not yet."), 5), read(fields["Reply"])
        return 0
    finally:
        app.kill()


if __name__ == "__main__":
    if len(sys.argv) == 3:
        sys.exit(inner(sys.argv[2]))
    if not shutil.which("xvfb-run"):
        print("SKIPPED: xvfb-run is not installed")
        sys.exit(77)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
    sys.exit(subprocess.run(["xvfb-run", "-a", "dbus-run-session", "--", sys.executable, __file__, "inner",
                             os.path.abspath(sys.argv[1])], env=env, timeout=120).returncode)
