"""What the tests of the module share: the built nimbaro-calc to compare with."""
import csv
import io
import os
import subprocess

import pytest


@pytest.fixture(scope="session")
def calc():
    """Runs the built nimbaro-calc with the arguments given; its standard output as text."""
    program = os.environ["NIMBARO_CALC"]

    def run(*arguments, locale=None):
        environment = dict(os.environ)
        if locale is not None:
            environment["LC_ALL"] = locale
        done = subprocess.run([program, *arguments], capture_output=True, env=environment,
                              check=False)
        # 1: a log was written, with rows that have no results.
        assert done.returncode in (0, 1), done.stderr.decode()
        return done.stdout.decode("utf-8")

    return run


def result_cells(output, input_columns, delimiter=","):
    """Every record of a log nimbaro-calc wrote, less the input columns, header left out."""
    rows = list(csv.reader(io.StringIO(output, newline=""), delimiter=delimiter))
    return [row[input_columns:] for row in rows[1:]]
