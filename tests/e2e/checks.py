# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that record what went wrong, and waits that give up on a deadline."""

import time


class StepFailed(Exception):
    """Something the next step needs did not happen: the run cannot go on."""


class Checks:
    """The failures of one run. A wrong value is recorded and the run goes on,
    so one run reports every field that is wrong, not just the first."""

    def __init__(self, run_name, log):
        self.run_name = run_name
        self.failures = []
        self._log = log

    def check(self, ok, message):
        if not ok:
            self.failures.append(message)
            self._log(f'  FAIL {message}')
        return ok

    def equal(self, actual, expected, what):
        return self.check(actual == expected, f'{what}: expected {expected!r}, got {actual!r}')

    def mapping(self, actual, expected, what):
        """Compares two dicts key by key and reports only the keys that differ."""
        wrong = [f'{key}: expected {expected[key]!r}, got {actual.get(key)!r}'
                 for key in expected if actual.get(key) != expected[key]]
        return self.check(not wrong, f'{what}: ' + '; '.join(wrong))


def wait_until(probe, timeout, what, interval=0.05, while_waiting=None):
    """Calls probe() until it returns something true and returns that.

    probe may return (value, observed): value decides, observed describes what
    was last seen, for the message when the deadline passes. while_waiting()
    runs between attempts and may raise (for instance when the program ended)."""
    deadline = time.monotonic() + timeout
    observed = None
    while True:
        result = probe()
        if isinstance(result, tuple):
            result, observed = result
        if result:
            return result
        if while_waiting:
            while_waiting()
        if time.monotonic() > deadline:
            seen = f'; last seen: {observed}' if observed is not None else ''
            raise StepFailed(f'{what}: not seen within {timeout:g} s{seen}')
        time.sleep(interval)


def log_tail(path, lines, empty, missing):
    """The last lines of a log file, for a failure message."""
    try:
        with open(path, errors='replace') as log:
            return ''.join(log.readlines()[-lines:]).strip() or empty
    except OSError:
        return missing
