"""The program started as a person starts it: log, login, single instance,
sibling products, branding."""

import os
import subprocess
import time
import unittest

import e2e_lib as e2e

NORMAL_START_LOG = [
    "Mirado ", "lang 9", "    initialization - data", "About start", "About end", "44",
    "db init start", "alias creation", "open tables", "db Init end",
    "main create", "main end creation",
]
WRONG_LOGIN = "Utilisateur ou mot de passe incorrect !"
SIBLING_RUNNING = "Please close the other Ardentis applications !"


class StartupTest(e2e.InstallationTest):
    def test_normal_start(self):
        program = self.install.start()
        e2e.login(self.env, program, "THERAPIST", "wrong1")
        program.wait_message(WRONG_LOGIN)
        # The message box is closed with Enter; the dialog stays for another try.
        box = e2e.wait_window(self.env, "^Velunor$")
        e2e.key(self.env, box, "Return")
        e2e.login(self.env, program, "therapist", "balance1")
        main = e2e.wait_window(self.env, "^Velunor$")
        e2e.wait_until(lambda: self.install.log_lines() == NORMAL_START_LOG, 20,
                       what="the twelve lines of a normal start")
        self.assertTrue(program.running())
        e2e.screenshot(self.env, os.path.join(self.install.dir, "main.png"))
        e2e.key(self.env, main, "alt+f", "q")
        self.assertEqual(program.wait_exit(20), 0)

    def test_cancelled_login(self):
        program = self.install.start()
        window = e2e.wait_window(self.env, "^Droits d'accès$")
        e2e.key(self.env, window, "Escape")
        self.assertEqual(program.wait_exit(20), 0)
        lines = self.install.log_lines()
        self.assertEqual(lines[-1], "db Init end")
        self.assertLess(lines.index("44"), lines.index("db Init end"))
        self.assertNotIn("main create", lines)

    def test_second_start_brings_first_to_front(self):
        first = self.install.start()
        e2e.login(self.env, first, "THERAPIST", "balance1")
        e2e.wait_window(self.env, "^Velunor$")
        second = self.install.start()
        self.assertEqual(second.wait_exit(20), 0)
        self.assertEqual(second.messages(), [])
        self.assertTrue(first.running())
        self.assertEqual(len(e2e.find_windows(self.env, "^Velunor$")), 1)

    def test_sibling_product_prevents_start(self):
        for window_class, refused in (("TApplication", True), ("Notepad", False)):
            with self.subTest(window_class=window_class):
                fake = subprocess.Popen([e2e.ARGS.fakewindow, window_class, "Ostrav"],
                                        env=self.env, stdout=subprocess.PIPE)
                try:
                    self.assertEqual(fake.stdout.readline().strip(), b"shown")
                    program = self.install.start()
                    if refused:
                        program.wait_message(SIBLING_RUNNING)
                        box = e2e.wait_window(self.env, "^Velunor$")
                        e2e.key(self.env, box, "Return")
                        self.assertEqual(program.wait_exit(20), 0)
                        self.assertNotIn("44", self.install.log_lines())
                    else:
                        window = e2e.wait_window(self.env, "^Droits d'accès$")
                        self.assertNotIn(SIBLING_RUNNING, program.messages())
                        e2e.key(self.env, window, "Escape")
                        program.wait_exit(20)
                finally:
                    fake.kill()
                    fake.wait()

    def test_harvo_branding(self):
        with open(os.path.join(self.install.dir, "harvo.ini"), "w") as f:
            f.write("[Main]\r\nLanguage=9\r\nCreateAlias=1\r\n")
        program = self.install.start()
        e2e.login(self.env, program, "THERAPIST", "balance1")
        e2e.wait_window(self.env, "^Mirado$")
        aliases = open(os.path.join(self.env["VELUNOR_CONFIG_HOME"], "Velunor", "aliases.ini")
                       if os.path.exists(os.path.join(self.env["VELUNOR_CONFIG_HOME"], "Velunor"))
                       else os.path.join(self.env["VELUNOR_CONFIG_HOME"], "aliases.ini")).read()
        self.assertIn("VORNDAT", aliases.upper())
        # A Velunor start is blocked by the running Mirado instance.
        os.remove(os.path.join(self.install.dir, "harvo.ini"))
        second = self.install.start()
        self.assertEqual(second.wait_exit(20), 0)
        self.assertTrue(program.running())


if __name__ == "__main__":
    e2e.main()
