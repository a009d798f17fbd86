#!/usr/bin/python3
"""The program as a screen reader hears it through the real bridge (AT-SPI).

Run by ScreenReaderBridge.sh inside a private D-Bus session on a virtual X
server: starts the accessibility bus, then the program on a small data file,
and reads through the registry the study screen's menus and buttons, the
question of a run on the answer field that takes the focus, the verdicts on
the answer dialog's OK button and the end of the run on the result's
buttons.

Usage: ScreenReaderBridge.py VOREL WORKDIR LANGUAGE (ja or en). Exit status 0 when all is as
expected, 1 with the reason otherwise, 77 when no accessibility bus starts.
"""

import os
import signal
import subprocess
import sys
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# Generous: a loaded machine may take long to start the program; every wait
# ends as soon as what it waits for is there.
LIMIT = 30.0
# The program's start with a cold font cache may take longer still.
START_LIMIT = 60.0

# Question, hint, answer.
QUESTIONS = [("りんごは英語で？", "赤い", "apple"), ("みかんは英語で？", "", "orange")]
# UTF-8 data file: the byte-order mark, then the usual header.
DATA = "\ufeffVORELDATA V3.0\r\n#果物,000000\r\n" + "".join(
    "%s,%s,%s,,,<00\r\n" % q for q in QUESTIONS)

# What a reader hears in each language of the interface (the data file's
# own texts stay as the learner wrote them).
WORDS = {
    "ja": {
        "menus": ["ファイル(F)", "編集(E)", "学習(S)", "表示(V)", "ヘルプ(H)"],
        "tool buttons": ["開く(O)", "出題範囲(S)", "すべて(A)", "ランダム（すべて）(N)", "復習(V)"],
        "study menu": "学習(S)",
        "run all": "すべて(A)",
        "run buttons": ["ヒント", "答え", "中止"],
        "answer button": "答え",
        "question": "問題: %s",
        "told": "第%d問: %s",
        "answer field": "答え",
        "right": "正解。答え: %s",
        "wrong": "不正解。答え: %s",
        "end": "終了しました",
        "end of run": "終了しました。正解率 50.00% (2問中1問正解)",
    },
    "en": {
        "menus": ["File", "Edit", "Study", "View", "Help"],
        "tool buttons": ["Open", "Question Range", "All in Order", "Random (All)", "Review"],
        "study menu": "Study",
        "run all": "All in Order",
        "run buttons": ["Hints", "Answer", "Stop"],
        "answer button": "Answer",
        "question": "Question: %s",
        "told": "Question %d: %s",
        "answer field": "Answer",
        "right": "Right. Answer: %s",
        "wrong": "Wrong. Answer: %s",
        "end": "Finished",
        "end of run": "Finished: 1 of 2 right (50.00%)",
    },
}


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


def wait_for(what, probe, limit=LIMIT):
    """probe() until it returns something true; a probe may fail while the
    program is still building the window (objects come and go)."""
    deadline = time.monotonic() + limit
    last = None
    while True:
        try:
            found = probe()
            if found:
                return found
        except Exception as e:  # D-Bus errors of objects that went away
            last = e
        if time.monotonic() > deadline:
            raise Failure("not seen within %d s: %s%s" % (limit, what,
                          " (last error: %s)" % last if last else ""))
        time.sleep(0.1)


def start_bus(work):
    """Starts the accessibility bus; its address, or None when it cannot."""
    from gi.repository import Gio, GLib

    out = open(os.path.join(work, "bus.log"), "w")
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=out,
                                stderr=subprocess.STDOUT)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def call(name, path, iface, method, args, reply):
        return session.call_sync(name, path, iface, method, args, GLib.VariantType(reply),
                                 Gio.DBusCallFlags.NO_AUTO_START, 5000, None).unpack()[0]

    def address():
        if launcher.poll() is not None:
            return "gone"
        # Asked only once the launcher owns its name, so that the question
        # does not start a second one through D-Bus activation.
        if not call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                    "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), "(b)"):
            return None
        return call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, "(s)")

    try:
        found = wait_for("the accessibility bus", address)
    except Failure:
        found = "gone"
    if found == "gone":
        end(launcher)
        return launcher, None
    return launcher, found


def walk(node, showing_only=True):
    """node and its descendants (those on the screen), depth first."""
    import pyatspi

    stack = [node]
    while stack:
        n = stack.pop()
        if n is None:
            continue
        if showing_only and n is not node and not n.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield n
        stack.extend(n.getChildAtIndex(i) for i in reversed(range(n.childCount)))


def describe(node):
    return "%s '%s' (%s)" % (node.getRoleName(), node.name, node.description)


def check(condition, text):
    if not condition:
        raise Failure(text)


def main(vorel, work, language):
    launcher, address = start_bus(work)
    if not address:
        log("SKIP: the accessibility bus (%s) does not start here" % LAUNCHER)
        with open(os.path.join(work, "bus.log"), errors="replace") as f:
            log(f.read().strip())
        return SKIP
    log("accessibility bus: " + address)

    import pyatspi
    from gi.repository import Atspi

    data = os.path.join(work, "q.vrf")
    with open(data, "w", encoding="utf-8", newline="") as f:
        f.write(DATA)
    home = os.path.join(work, "home")
    os.makedirs(home, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               VOREL_LANG=language, VOREL_HOME=home)
    program_log = os.path.join(work, "vorel.log")
    program = subprocess.Popen([vorel, data], env=env, stdout=open(program_log, "w"),
                               stderr=subprocess.STDOUT)
    try:
        run_checks(program, pyatspi, Atspi, WORDS[language])
        log("PASS")
        return 0
    except Exception as e:  # a Failure, or the bridge's own error
        log("FAIL: %s" % e)
        with open(program_log, errors="replace") as f:
            text = f.read().strip()
        if text:
            log("the program said:\n" + text)
        return 1
    finally:
        end(program)
        end(launcher)


def end(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(LIMIT)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def run_checks(program, pyatspi, Atspi, words):
    def application():
        check(program.poll() is None, "the program ended (status %s)" % program.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Vorel":
                return app
        return None

    app = wait_for("the application 'Vorel' on the registry", application, START_LIMIT)
    # Read every text afresh: what a run changes must be what is read.
    app.set_cache_mask(Atspi.Cache.NONE)
    log("found the application")

    def main_window():
        check(program.poll() is None, "the program ended (status %s)" % program.returncode)
        for i in range(app.childCount):
            frame = app.getChildAtIndex(i)
            if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME and "q.vrf" in frame.name:
                return frame
        return None

    frame = wait_for("the main window, titled by the file", main_window)
    log("main window: " + frame.name)

    # The study screen: the menu bar with its menus, the toolbar's named buttons.
    def menus():
        bars = [n for n in walk(frame) if n.getRole() == pyatspi.ROLE_MENU_BAR]
        if not bars:
            return None
        items = [bars[0].getChildAtIndex(i) for i in range(bars[0].childCount)]
        named = {item.name: item for item in items if item is not None}
        return named if all(m in named for m in words["menus"]) else None

    menu_items = wait_for("the menus %s in the menu bar" % words["menus"], menus)
    log("menus: " + ", ".join(menu_items))

    def push_buttons(expected):
        found = {n.name: n for n in walk(frame) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        return found if all(b in found for b in expected) else None

    tool_buttons = words["tool buttons"]
    wait_for("the buttons %s" % tool_buttons, lambda: push_buttons(tool_buttons))
    log("buttons: " + ", ".join(tool_buttons))
    check_named(frame, pyatspi, "the idle study screen")

    # A run, started through the menu item Study → All as a reader would.
    study, all_item = words["study menu"], words["run all"]
    run_all = next((n for n in walk(menu_items[study], showing_only=False)
                    if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == all_item), None)
    check(run_all is not None, "no menu item %s under %s" % (all_item, study))
    action = run_all.queryAction()
    check(action.nActions > 0, "the menu item %s has no action" % all_item)
    action.doAction(0)

    expected_question = words["question"] % QUESTIONS[0][0]
    prefix = words["question"] % ""

    def question_text():
        for n in walk(frame):
            if n.getRole() == pyatspi.ROLE_STATIC or n.getRole() == pyatspi.ROLE_LABEL:
                if n.name.startswith(prefix):
                    return n.name
        return None

    question = wait_for("the question window ('%s...')" % prefix, question_text)
    check(question == expected_question, "the question window reads '%s'" % question)
    log("question window: " + question)

    def answer_field(number, question):
        told = words["told"] % (number, question)
        for n in walk(frame):
            if n.getRole() == pyatspi.ROLE_TEXT and n.description == told:
                # The first question finds the window active; after a dialog
                # only a window manager would give it the focus back.
                if number == 1 and not n.getState().contains(pyatspi.STATE_FOCUSED):
                    return None
                return n
        return None

    def answer(number, question, typed, told):
        """Types an answer, judges it with the Answer button and reads the
        verdict on the answer dialog's OK button, which closes it."""
        field = wait_for("the answer field telling question %d%s" %
                         (number, ", focused" if number == 1 else ""),
                         lambda: answer_field(number, question))
        check(field.name == words["answer field"], "the answer field is named '%s'" % field.name)
        log("answer field: " + describe(field))
        if number == 1:
            run_buttons = words["run buttons"]
            wait_for("the run's buttons %s" % run_buttons, lambda: push_buttons(run_buttons))
            log("the run's buttons: " + ", ".join(run_buttons))
            check_named(frame, pyatspi, "a run")
        field.queryEditableText().setTextContents(typed)
        wait_for("the typed answer in the field", lambda: field.queryText().getText(0, -1) == typed)
        button = words["answer button"]
        wait_for("the %s button" % button, lambda: push_buttons([button]))[button].queryAction().doAction(0)

        def verdict():
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                if window is None or window == frame:
                    continue
                for n in walk(window):
                    if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.description == told:
                        return window, n
            return None

        dialog, ok = wait_for("the OK button telling '%s'" % told, verdict)
        log("OK button: " + describe(ok))
        check_named(dialog, pyatspi, "the answer dialog")
        ok.queryAction().doAction(0)

    answer(1, QUESTIONS[0][0], QUESTIONS[0][2], words["right"] % QUESTIONS[0][2])
    answer(2, QUESTIONS[1][0], "grape", words["wrong"] % QUESTIONS[1][2])

    def run_end():
        for n in walk(frame):
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.description.startswith(words["end"]):
                return n
        return None

    end_button = wait_for("a result button telling the end of the run", run_end)
    check(end_button.description == words["end of run"],
          "the end of the run reads '%s'" % end_button.description)
    log("result button: " + describe(end_button))
    check_named(frame, pyatspi, "the result")


# Roles of what a reader moves to and must be able to name.
def control_roles(pyatspi):
    return {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
            pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
            pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
            pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPLIT_PANE, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
            pyatspi.ROLE_TREE, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_DIALOG}


def check_named(frame, pyatspi, where):
    roles = control_roles(pyatspi)
    unnamed = [describe(n) for n in walk(frame)
               if n.getRole() in roles and not n.name.strip()]
    check(not unnamed, "controls without a name on %s: %s" % (where, "; ".join(unnamed)))


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[3] not in WORDS:
        sys.exit("usage: ScreenReaderBridge.py VOREL WORKDIR ja|en")
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3]))
