# SPDX-License-Identifier: GPL-3.0-or-later
"""One run of the installed program: started with accessibility on, on the X
or the Wayland desktop, watched through the screen reader, driven through the
desktop, ended and accounted for."""

import os
import subprocess
import time
import uuid

from checks import Checks, StepFailed, log_tail, wait_until
from screen_reader import Vanished
from views import Converter

APPEAR_TIMEOUT = 15  # the first window of a cold start on a busy machine
REACT_TIMEOUT = 5    # a window, a field or the focus answering a key
END_TIMEOUT = 5      # the process going away once it was told to end


class Program:
    def __init__(self, harness, name, env=None, desktop='x11'):
        self.h = harness
        self.name = name
        self.desktop = None
        self._desktop_kind = desktop
        self.checks = Checks(name, harness.log)
        self._env = env or {}
        self._process = None
        self._tag = f'ZELVAR_E2E_RUN={name}-{uuid.uuid4().hex}'
        self._log_path = os.path.join(harness.out_dir, f'{name}.log')
        self._shots = 0
        self.started_at = None
        self._converter = None

    # Starting and ending.
    def environment(self):
        """The run's environment: the desktop's, its platform, accessibility
        on, the C locale unless the run sets one, and the run's tag."""
        self.desktop = self.h.desktop_for(self._desktop_kind)
        env = dict(self.desktop.env)
        # Only what this run sets decides the platform, scale, style and locale.
        for key in ('QT_QPA_PLATFORM', 'QT_SCALE_FACTOR', 'QT_SCREEN_SCALE_FACTORS', 'QT_ENABLE_HIGHDPI_SCALING',
                    'QT_AUTO_SCREEN_SCALE_FACTOR', 'QT_STYLE_OVERRIDE', 'QT_QPA_PLATFORMTHEME', 'QT_FONT_DPI',
                    'WAYLAND_DISPLAY', 'LANGUAGE', 'LC_NUMERIC', 'LC_MESSAGES'):
            env.pop(key, None)
        env.update(self.desktop.platform_env)
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', LANG='C.UTF-8', LC_ALL='C.UTF-8')
        # A run's environment may be made for it (a configuration folder of its own).
        if callable(self._env):
            self._env = self._env(self.h, self.name)
        env.update(self._env)
        key, value = self._tag.split('=', 1)
        env[key] = value
        return env

    def start(self):
        env = self.environment()
        self.h.log(f'[{self.name}] starting {self.h.binary}'
                   + ''.join(f' {k}={v}' for k, v in sorted(self._env.items())))
        with open(self._log_path, 'wb') as log:
            self.started_at = time.monotonic()
            self._process = self.h.processes.start([self.h.binary], env=env, stdin=subprocess.DEVNULL,
                                                   stdout=log, stderr=subprocess.STDOUT)

    @property
    def started(self):
        return self._process is not None

    @property
    def pid(self):
        return self._process.pid

    def output(self, lines=15):
        return log_tail(self._log_path, lines, '(nothing)', '(no output file)')

    def still_running(self):
        """Raises when the program has ended while it should not have."""
        status = self._process.poll()
        if status is None:
            return
        output = self.output()
        platform = self.desktop.platform_env['QT_QPA_PLATFORM']
        if f'Could not find the Qt platform plugin "{platform}"' in output:
            raise StepFailed(f"Qt's platform plugin {platform!r} is not installed (Debian's "
                             f'{self.desktop.plugin_package} has it); the program said:\n{output}')
        raise StepFailed(f'the program ended unexpectedly with status {status}; its last output:\n{output}')

    def wait_for_end(self, after):
        """Waits for the process to exit after `after`; returns its status."""
        try:
            status = self._process.wait(timeout=END_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise StepFailed(f'the program was still running {END_TIMEOUT} s after {after}') from None
        self.checks.equal(self.left_behind(), [], f'processes of the program left after {after}')
        if status != 0:  # a sanitizer's report, or Qt's last words, says why
            self.h.log(f'  the program ended with status {status} after {after}; its last output:\n{self.output()}')
        return status

    def left_behind(self):
        """Live processes started from this run (they all carry its tag)."""
        tag = self._tag.encode()
        found = []
        for entry in os.listdir('/proc'):
            if not entry.isdigit():
                continue
            try:
                with open(f'/proc/{entry}/environ', 'rb') as environ:
                    if tag not in environ.read().split(b'\0'):
                        continue
                with open(f'/proc/{entry}/stat') as stat:
                    if stat.read().rsplit(')', 1)[1].split()[0] == 'Z':
                        continue  # already gone, waiting to be reaped
                with open(f'/proc/{entry}/cmdline', 'rb') as cmdline:
                    command = cmdline.read().replace(b'\0', b' ').decode(errors='replace').strip()
                found.append(f'{entry}: {command}')
            except OSError:
                continue
        return found

    def stop(self):
        if self._process is not None:
            self.h.processes.end(self._process)

    # Looking and acting.
    def tree(self):
        """The program's root accessible element, or None while it is not on the bus."""
        return self.h.reader.application(self.pid)

    def windows(self):
        """The program's showing top-level windows, as read now."""
        return self.h.reader.windows(self.pid)

    def converter(self, frame):
        """The converter window of this frame; its controls are found once."""
        if self._converter is None or self._converter.frame != frame:
            self._converter = Converter(frame)
        return self._converter

    def wait(self, probe, what, timeout=REACT_TIMEOUT):
        """Waits for probe() (see wait_until); an element that goes away while
        it is read, as windows come and go, only means: not yet."""
        def attempt():
            try:
                return probe()
            except Vanished as gone:
                return False, f'an element went away while it was read ({gone})'
        return wait_until(attempt, timeout, what, while_waiting=self.still_running)

    def keys(self, *names):
        self.desktop.keys(*names)

    def type(self, text):
        self.desktop.type(text)

    def screenshot(self, step):
        self._shots += 1
        path = os.path.join(self.h.out_dir, f'{self.name}-{self._shots:02d}-{step}.png')
        self.desktop.screenshot(path)
        return path
