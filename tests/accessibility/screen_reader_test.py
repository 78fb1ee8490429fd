"""The program as screen readers on Linux meet it: Orca, run with its debug log on a private
session bus (no speech server: the log carries what it would say), and pyatspi for states
and actions. Run inside an X server with a window manager and a session bus of its own:
    screen_reader_test.py <program>
"""
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import pyatspi

PROGRAM = sys.argv.pop(1)
CAPTION = "Тарвель. Zaze"
TIMEOUT = 20.0


def wait_for(condition, what):
    """Polls until the condition holds, and returns its value; fails after TIMEOUT."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            value = condition()
        except Exception:  # the program's objects may be in the middle of changing
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def states(node):
    return node.getState()


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def actions(node):
    # at-spi action names are matched without regard to case, as Orca does.
    action = node.queryAction()
    return [action.getName(i).lower() for i in range(action.nActions)]


def do_action(node, name):
    action = node.queryAction()
    action.doAction(actions(node).index(name))


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.mkdtemp()
        os.chmod(cls.home, 0o700)
        cls.env = dict(os.environ, HOME=cls.home, XDG_CONFIG_HOME=cls.home + "/config",
                       XDG_DATA_HOME=cls.home + "/data", XDG_RUNTIME_DIR=cls.home)
        # Orca buffers its debug file unless it is a terminal, so it writes to one, line by
        # line, and a thread collects the lines; its error output, where the at-spi library
        # warns of signals it rejects, goes there too.
        # Its side stays open here too: a terminal nobody holds reads as an error.
        cls.terminal, cls.orca_side = os.openpty()
        cls.lines = []
        cls.reader = threading.Thread(target=cls.collect, daemon=True)
        cls.reader.start()
        cls.orca = subprocess.Popen(["orca", "--debug-file=" + os.ttyname(cls.orca_side)], env=cls.env,
                                    stdout=subprocess.DEVNULL, stderr=cls.orca_side)
        wait_for(lambda: "Screen reader on." in cls.orca_log(), "Orca to start")

    @classmethod
    def collect(cls):
        pending = b""
        while True:
            try:
                chunk = os.read(cls.terminal, 65536)
            except OSError:  # Orca has gone, and the terminal with it
                return
            if not chunk:
                return
            *complete, pending = (pending + chunk).split(b"\n")
            cls.lines.extend(line.rstrip(b"\r").decode("utf-8", "replace") for line in complete)

    @classmethod
    def tearDownClass(cls):
        cls.orca.terminate()
        cls.orca.wait()
        os.close(cls.orca_side)

    @classmethod
    def orca_log(cls):
        return "\n".join(cls.lines)

    def setUp(self):
        self.log_start = len(self.lines)
        self.program = subprocess.Popen([PROGRAM], env=dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.frame = wait_for(self.find_frame, "the program's window on the accessibility bus")
        self.tabs = wait_for(lambda: self.find(self.frame, pyatspi.ROLE_PAGE_TAB_LIST), "the page tab list")
        wait_for(lambda: "SPEECH OUTPUT: '" + CAPTION in self.new_log(), "Orca to present the window")

    def tearDown(self):
        self.program.terminate()
        self.program.wait()
        self.assertNotIn("invalid signature", self.new_log(), "at-spi rejected a signal of the program")
        self.assertNotIn("bad content sent to speak", self.new_log(), "Orca was handed something it cannot speak")

    def new_log(self):
        return "\n".join(self.lines[self.log_start:])

    def spoken(self):
        return [line.split("SPEECH OUTPUT: ", 1)[1] for line in self.new_log().splitlines() if "SPEECH OUTPUT: " in line]

    def find_frame(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == "lumivor" and app.childCount > 0:
                frame = app.getChildAtIndex(0)
                if frame.name == CAPTION:
                    return frame
        return None

    def find(self, root, role, name=None):
        return pyatspi.findDescendant(root, lambda n: n.getRole() == role and (name is None or n.name == name))

    def answer(self):
        """The answer text on the current page, none while it is hidden."""
        return pyatspi.findDescendant(self.tabs, lambda n: n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC))

    def page_tabs(self):
        return [n for n in children(self.tabs) if n.getRole() == pyatspi.ROLE_PAGE_TAB]

    def selected_tabs(self):
        return [n.name for n in self.page_tabs() if states(n).contains(pyatspi.STATE_SELECTED)]

    def test_the_current_pages_tab_alone_is_selected_and_told_after_each_change(self):
        tabs = self.page_tabs()
        self.assertEqual(len(tabs), 120)
        self.assertTrue(all(states(tab).contains(pyatspi.STATE_SELECTABLE) for tab in tabs))
        self.assertEqual(self.selected_tabs(), ["Страница 1"])
        changes = [
            ("Следующий pressed", lambda: do_action(self.find(self.tabs, pyatspi.ROLE_PUSH_BUTTON, "Следующий"), "press"),
             "Страница 2"),
            ("the tab of page 7 pressed", lambda: do_action(self.page_tabs()[6], "press"), "Страница 7"),
        ]
        for what, change, tab in changes:
            with self.subTest(what):
                change()
                wait_for(lambda: self.selected_tabs() == [tab], tab + " alone selected")
                wait_for(lambda: "object:state-changed:selected for [page tab | %s]" % tab in self.new_log(),
                         "Orca to be told that " + tab + " is selected")
        self.assertTrue(states(self.page_tabs()[6]).contains(pyatspi.STATE_FOCUSED), "as a click on the dot")

    def test_actions_are_listed_default_first_and_do_what_a_click_does(self):
        box = self.find(self.tabs, pyatspi.ROLE_CHECK_BOX, "Правильный ответ")
        next_button = self.find(self.tabs, pyatspi.ROLE_PUSH_BUTTON, "Следующий")
        picture = self.find(self.tabs, pyatspi.ROLE_IMAGE)
        for node, expected in [(box, ["toggle", "setfocus"]), (next_button, ["press", "setfocus"]),
                               (self.page_tabs()[1], ["press", "setfocus"])]:
            with self.subTest(node.name):
                self.assertEqual(actions(node), expected)
        self.assertEqual(actions(picture), [])

        for checked in (True, False):
            do_action(box, "toggle")
            wait_for(lambda: states(box).contains(pyatspi.STATE_CHECKED) == checked, "the box checked: %s" % checked)
            wait_for(lambda: (self.answer() is not None) == checked,
                     "the answer shown: %s" % checked)
            self.assertTrue(states(box).contains(pyatspi.STATE_FOCUSED), "as a click on the box")

        do_action(next_button, "press")
        wait_for(lambda: self.selected_tabs() == ["Страница 2"], "the next card")

    def test_orca_speaks_the_answer_when_the_learner_reveals_it(self):
        subprocess.run(["xdotool", "search", "--sync", "--name", CAPTION, "windowactivate", "--sync"], check=True)
        box = self.find(self.tabs, pyatspi.ROLE_CHECK_BOX, "Правильный ответ")
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        wait_for(lambda: any(s.startswith("'Правильный ответ check box not checked") for s in self.spoken()),
                 "Orca to present the focused check box")
        subprocess.run(["xdotool", "key", "space"], check=True)
        answer = wait_for(self.answer, "the answer shown").name
        self.assertTrue(answer)
        self.assertEqual(box.description, answer)
        wait_for(lambda: any(s.startswith(repr(answer)) for s in self.spoken()), "Orca to speak the answer")
        spoken = self.spoken()
        self.assertLess(next(i for i, s in enumerate(spoken) if s.startswith("'checked'")),
                        next(i for i, s in enumerate(spoken) if s.startswith(repr(answer))))

        subprocess.run(["xdotool", "key", "space"], check=True)
        wait_for(lambda: any(s.startswith("'not checked'") for s in self.spoken()), "Orca to present the cleared box")
        self.assertEqual(box.description, "")
        self.assertEqual(sum(s.startswith(repr(answer)) for s in self.spoken()), 1, "the answer spoken once")


if __name__ == "__main__":
    unittest.main(verbosity=2)
