"""cmake --install puts the package where the Python of the prefix finds it."""
import os
import pathlib
import subprocess
import sys

import pytest

VERSION = "python%d.%d" % sys.version_info[:2]


@pytest.mark.parametrize("prefix, site", [
    ("/usr", "lib/python3/dist-packages"),
    ("/usr/local", f"lib/{VERSION}/dist-packages"),
    (None, f"lib/{VERSION}/site-packages"),  # the user's own, ~/.local
])
def test_installed_where_the_prefixes_python_finds_it(tmp_path, prefix, site):
    environment = {key: value for key, value in os.environ.items() if key != "PYTHONPATH"}
    if prefix is None:
        prefix = str(tmp_path / "home" / ".local")
        environment["PYTHONUSERBASE"] = prefix
        root = ""
    else:
        environment["DESTDIR"] = root = str(tmp_path / "root")
    subprocess.run(["cmake", "--install", os.environ["NIMBARO_BUILD_DIR"], "--component",
                    "python", "--prefix", prefix], env=environment, check=True,
                   capture_output=True)
    search = subprocess.run([sys.executable, "-c", "import sys; print(*sys.path, sep='\\n')"],
                            env=environment, check=True, capture_output=True, text=True)
    assert f"{prefix}/{site}" in search.stdout.splitlines()
    installed = pathlib.Path(root + prefix) / site
    if root:
        environment["PYTHONPATH"] = str(installed)
    imported = subprocess.run(
        [sys.executable, "-c", "import nimbaro; print(nimbaro.__file__, "
         "nimbaro.text(nimbaro.dew_point(air_temperature=25, humidity=60).fahrenheit))"],
        env=environment, cwd=tmp_path, check=True, capture_output=True, text=True)
    assert imported.stdout == f"{installed}/nimbaro/__init__.py 62.02982\n"
