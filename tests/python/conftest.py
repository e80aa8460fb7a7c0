"""Shared helpers: rillo-cli of the same build, run on the same inputs."""
import os
import subprocess

import pytest

RILLO_CLI = os.environ.get("RILLO_CLI", "build/cli/rillo-cli")
DATA = os.environ.get("RILLO_TEST_DATA", "fuzz/seeds")

WORKED_EXAMPLE = dict(shape="trapezoidal", units="english", start="0+00.000", end="10+00.000",
                      flow=100, width=10, n=0.013, slope=0.001, side=2)


def option_words(keywords):
    """The command line's words for keyword arguments (None left out, flags as flags)."""
    words = []
    for key, value in keywords.items():
        option = "--" + key.replace("_", "-")
        if value is True:
            words.append(option)
        elif value == "":
            words += [option, ""]  # "--width=" would take the next word as its text
        elif value is not None and value is not False:
            words.append(f"{option}={value}")
    return words


def run_cli(*words, text=True):
    return subprocess.run([RILLO_CLI, *words], capture_output=True, text=text, check=False)


def tsv_pairs(text):
    """key<TAB>text lines up to the first empty line, as a dict."""
    pairs = {}
    for line in text.split("\n"):
        if not line:
            break
        key, _, value = line.partition("\t")
        pairs[key] = value
    return pairs


@pytest.fixture
def data():
    return DATA
