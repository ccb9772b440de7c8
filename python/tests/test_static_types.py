"""A static checker, mypy, sees the package's functions and results: their keywords, fields and
types, with the package itself checked strictly."""
import os
import subprocess
import sys

# Uses of the package, each with the errors mypy must find in it.
USES = {
    "typed_use.py": ("""
import numpy as np

import nimbaro

result: nimbaro.DewPointResult = nimbaro.dew_point(air_temperature=np.array([25.0]),
                                                   humidity=60.0, unit="C", to=["C", "K"])
texts: dict[str, object] = nimbaro.text(result)
feet: nimbaro.LengthResult = nimbaro.convert_length([1.0], "m", to="ft")
print(result.celsius, result.reason, result.note, result.method, feet.feet, texts)
print(nimbaro.humidity(air_temperature=25.0, dew_point=15.0).percent)
""", []),
    "wrong_keyword.py": ("""
import nimbaro

nimbaro.dew_point(air_temp=25.0, humidity=60.0)
""", ['Unexpected keyword argument "air_temp" for "dew_point"']),
    "wrong_field.py": ("""
import nimbaro

print(nimbaro.dew_point(air_temperature=25.0, humidity=60.0).kelvn)
""", ['"DewPointResult" has no attribute "kelvn"']),
    "wrong_type.py": ("""
import nimbaro

nimbaro.convert_length([1.0], unit=2)
""", ['Argument "unit" to "convert_length" has incompatible type "int"']),
}


def test_mypy_sees_the_functions_and_their_results(tmp_path):
    for name, (code, _) in USES.items():
        (tmp_path / name).write_text(code)
    # MYPYPATH makes the package's own source part of the check.
    checked = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--cache-dir", str(tmp_path / "cache"),
         *USES], cwd=tmp_path, capture_output=True, text=True, check=False,
        env=dict(os.environ, MYPYPATH=os.path.abspath(os.environ["PYTHONPATH"])))
    errors = [line for line in checked.stdout.splitlines() if ": error: " in line]
    for name, (_, expected) in USES.items():
        found = [line for line in errors if line.startswith(name + ":")]
        assert len(found) == len(expected) and all(
            error in line for error, line in zip(expected, found)), checked.stdout
    assert len(errors) == sum(len(expected) for _, expected in USES.values()), checked.stdout
