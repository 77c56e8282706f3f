#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running quiz the way a screen reader does: over AT-SPI, from the accessibility bus of
# the session it runs in (dbus-run-session) and the X server of tests/support/run-in-xvfb.
# Reads the introduction, takes one step with Enter, reads the question, its options, its points,
# the counters and the clock; then answers through the "Дальше" button's press action, opens and
# closes the help through theirs, and ends the program.
# The interpreter is the system's own: pyatspi comes as a Debian package (python3-pyatspi).
# Usage: read_quiz.py path/to/ashfever path/to/quizfacts
import json
import os
import re
import subprocess
import sys
import time

import pyatspi

DEADLINE_SECONDS = 20
QUIZ_TITLE = 'Тест: "Ashfever"'


class Failure(Exception):
    pass


def stage(text):
    print(f"read_quiz: {text}", flush=True)


def wait_for(what, probe, deadline=DEADLINE_SECONDS):
    """Polls probe() until it returns something true, which it then returns."""
    end = time.monotonic() + deadline
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > end:
            raise Failure(f"{what}: not within {deadline}s")
        time.sleep(0.1)


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: read {seen!r}, expected {wanted!r}")


def shown(text):
    """A text as a text box shows it: one line break for each CR LF."""
    return text.replace("\r\n", "\n")


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


class Program:
    def __init__(self, app_path):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([app_path], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)
        self.app = wait_for("the program on the accessibility bus", self._find_app)

    def _find_app(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue  # another application went away while being asked
        return None

    def shown_window(self, name):
        """The top-level window of this name that is on screen, if any."""
        for index in range(self.app.childCount):
            window = self.app.getChildAtIndex(index)
            if window is not None and window.name == name and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        return None

    def window(self, name):
        return wait_for(f"window \"{name}\"", lambda: self.shown_window(name))


def control(window, role, name=None, pattern=None):
    """The one control of this role whose name equals name or matches pattern."""
    found = [node for node in descendants(window) if node.getRole() == role and
             (name is None or node.name == name) and
             (pattern is None or re.fullmatch(pattern, node.name))]
    if len(found) != 1:
        raise Failure(f"{len(found)} controls of role {role} named {name or pattern!r} in "
                      f"\"{window.name}\": {[node.name for node in found]}")
    return found[0]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(node):
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    if "Press" not in names:
        raise Failure(f"\"{node.name}\" has no press action, only {names}")
    actions.doAction(names.index("Press"))


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True, timeout=DEADLINE_SECONDS).stdout


def key_in_list(key):
    # No window manager: the keyboard goes to the window under the pointer, where the answer
    # list holds the focus.
    window = xdotool("search", "--sync", "--onlyvisible", "--name", "Ashfever").split()[0]
    xdotool("mousemove", "--window", window, "500", "440")
    xdotool("key", key)


def read_quiz(app_path, facts):
    program = Program(app_path)
    try:
        quiz = program.window(QUIZ_TITLE)
        expect("the quiz window's role", quiz.getRole(), pyatspi.ROLE_FRAME)
        messages = control(quiz, pyatspi.ROLE_TEXT, "Сообщения")
        expect("the introduction", text_of(messages), shown(facts["introduction"]))
        answers = control(quiz, pyatspi.ROLE_LIST, "Варианты ответа")
        expect("options before the first step", answers.childCount, 0)
        for button in ("Дальше", "Ответы", "Справка"):
            control(quiz, pyatspi.ROLE_PUSH_BUTTON, button)
        stage("introduction read; the picture buttons are \"Дальше\" and \"Ответы\"")

        # One step, as a player takes it: Enter in the answer list.
        key_in_list("Return")
        first = facts["questions"][0]
        options = wait_for("five options in the list", lambda: [
            answers.getChildAtIndex(index).name for index in range(answers.childCount)
        ] if answers.childCount == 5 else None)
        expect("the options of question 1", options, first["options"])
        question = control(quiz, pyatspi.ROLE_TEXT, "Вопрос")
        expect("the question", text_of(question), shown(first["text"]))
        expect("the message box after the first step", text_of(messages),
               shown(facts["firstSection"]))
        control(quiz, pyatspi.ROLE_LABEL, f"Стоимость: {first['points']}")
        control(quiz, pyatspi.ROLE_LABEL, "Отвечено: 00")
        control(quiz, pyatspi.ROLE_LABEL, "Баллов: 00")
        clock = control(quiz, pyatspi.ROLE_LABEL, pattern=r"Время: .*")
        if not re.fullmatch(r"Время: 0 минут \d{1,2} секунд[аы]?", clock.name):
            raise Failure(f"the clock reads {clock.name!r}")
        stage(f"question 1 read with its {len(options)} options, points and counters; "
              f"\"{clock.name}\"")

        # The first option, chosen with Down, is answered through the Next button's own action.
        key_in_list("Down")
        press(control(quiz, pyatspi.ROLE_PUSH_BUTTON, "Дальше"))
        second = facts["questions"][1]
        wait_for("question 2 on screen", lambda: text_of(question) == shown(second["text"]))
        control(quiz, pyatspi.ROLE_LABEL, "Отвечено: 01")
        control(quiz, pyatspi.ROLE_LABEL,
                f"Баллов: {first['points'] if first['right'] == 1 else '00'}")
        control(quiz, pyatspi.ROLE_LABEL, f"Стоимость: {second['points']}")
        stage("answered with the press action of \"Дальше\"; the counters follow")

        # The help window opens from its button and closes from its picture, both by press.
        press(control(quiz, pyatspi.ROLE_PUSH_BUTTON, "Справка"))
        help_window = program.window("Справка")
        expect("the usage help", text_of(control(help_window, pyatspi.ROLE_TEXT, "Текст справки")),
               shown(facts["usageHelp"]))
        press(control(help_window, pyatspi.ROLE_PUSH_BUTTON, "Закрыть"))
        wait_for("the help window to close", lambda: not program.shown_window("Справка"))
        stage("usage help opened by \"Справка\" and closed by its picture button \"Закрыть\"")

        # Esc ends the quiz; the closing credits' close button ends the program.
        key_in_list("Escape")
        credits = program.window("Справка")
        expect("the closing credits",
               text_of(control(credits, pyatspi.ROLE_TEXT, "Текст справки")),
               shown(facts["closingCredits"]))
        press(control(credits, pyatspi.ROLE_PUSH_BUTTON, "Закрыть"))
        status = program.process.wait(timeout=DEADLINE_SECONDS)
        expect("the program's exit status", status, 0)
        stage("closing credits read and closed; exit status 0")
    except BaseException:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()
        output = program.process.stdout.read()
        if output:
            print("--- program output ---\n" + output, file=sys.stderr)
        raise


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: read_quiz.py path/to/ashfever path/to/quizfacts")
    facts = json.loads(subprocess.run([sys.argv[2]], check=True, capture_output=True,
                                      text=True).stdout)
    try:
        read_quiz(sys.argv[1], facts)
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"read_quiz: FAILED: {failure}", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
