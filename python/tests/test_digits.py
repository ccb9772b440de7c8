"""The module's values, written by nimbaro.text, are nimbaro-calc's texts, cell for cell, for
random inputs to every method and conversion, inside and outside the methods' checks."""
import random

import numpy as np
import pytest

import nimbaro
from conftest import result_cells
from nimbaro import _engine

ROWS = 300
# Readings within and beyond what each input takes, in the unit of the first list element.
READINGS = {
    "air_temperature": (-70, 60), "dew_point": (-70, 60), "wet_bulb": (-70, 60),
    "humidity": (-5, 110), "air_pressure": (850, 1100), "wind_speed": (-10, 150),
    "seconds": (-2, 60), "value": (-1e4, 1e4), "elevation": (-500, 5000),
}
UNITS = {"unit": ["C", "F", "K"], "pressure_unit": ["hPa", "mmHg", "inHg"],
         "speed_unit": ["km/h", "m/s", "mph", "kn"], "elevation_unit": ["m", "ft"]}
OPTIONS = {"unit": "--unit", "pressure_unit": "--pressure-unit", "speed_unit": "--speed-unit",
           "elevation_unit": "--elevation-unit"}
# What a calculation's info says of whether it reads an input in the units a keyword names.
READS = {"unit": "temperatures", "pressure_unit": "pressure", "speed_unit": "wind_speed",
         "elevation_unit": "elevation"}


def reading(generator, keyword):
    """A random reading: mostly in range, now and then a number a formula cannot take."""
    low, high = READINGS[keyword]
    draw = generator.random()
    if draw < 0.02:
        return generator.choice([0.0, 1e300, -1e300, 1e-300])
    value = generator.uniform(low, high)
    return round(value, generator.randrange(0, 16)) if draw < 0.5 else value


def methods():
    for info in _engine.calculations():
        for method in info["methods"]:
            yield pytest.param(info, method, id=f"{info['id']}-{method['keywords']}-"
                               f"{method['formula']}{'-old' if method['old_formula'] else ''}")


@pytest.mark.parametrize("info, method", methods())
def test_calculation_texts_are_nimbaro_calc_texts(calc, tmp_path, info, method):
    generator = random.Random(f"{info['id']} {method}")
    keywords = method["keywords"].split(", ")
    columns = {keyword: [reading(generator, keyword) for _ in range(ROWS)] for keyword in keywords}
    units = {name: generator.choice(choices) for name, choices in UNITS.items()
             if info[READS[name]]}
    log = tmp_path / "log.csv"
    log.write_text(",".join(keywords) + "\n" + "".join(
        ",".join(repr(columns[keyword][row]) for keyword in keywords) + "\n"
        for row in range(ROWS)))
    arguments = [info["id"], "--csv", str(log), "--formula", method["formula"]]
    for keyword in keywords:
        arguments += ["--" + keyword.replace("_", "-"), keyword]
    for name, unit in units.items():
        arguments += [OPTIONS[name], unit]
    if method["old_formula"]:
        arguments.append("--old-formula")
    expected = result_cells(calc(*arguments), len(keywords))

    options = {"old_formula": method["old_formula"]} if info["old_formula"] else {}
    result = getattr(nimbaro, info["function"])(**columns, **units, **options,
                                                formula=method["formula"])
    texts = nimbaro.text(result)
    outputs = [output.replace("-", "_") for output in info["outputs"]]
    for row, cells in enumerate(expected):
        got = [texts[output][row] for output in outputs] + [result.note[row]]
        risk = cells[len(outputs) + 1:]
        assert cells[:len(outputs) + 1] + risk == got + ([result.risk[row]] if risk else []), (
            f"row {row}: {[columns[keyword][row] for keyword in keywords]} {units}")
        # An element has a reason exactly where it has no value.
        assert (cells[0] == "") == (result.reason[row] != ""), f"row {row}"


@pytest.mark.parametrize("quantity", [quantity["id"] for quantity in _engine.quantities()])
def test_conversion_texts_are_nimbaro_calc_texts(calc, tmp_path, quantity):
    generator = random.Random(quantity)
    units = nimbaro.units(quantity)
    unit = generator.choice(units)
    values = [reading(generator, "value") for _ in range(ROWS)]
    log = tmp_path / "log.csv"
    log.write_text("value\n" + "".join(repr(value) + "\n" for value in values))
    expected = result_cells(
        calc("convert", quantity, "--csv", str(log), "--value", "value", "--unit", unit), 1)
    texts = nimbaro.text(nimbaro.convert(quantity, values, unit))
    for row, cells in enumerate(expected):
        assert cells == [texts[id.replace("-", "_")][row] for id in units], (
            f"row {row}: {values[row]} {unit}")


# A number locale of each kind: groups of 3 with "." and ",", Indian groups, and a group
# separator (a no-break space) outside ASCII in a Latin-1 locale.
@pytest.mark.parametrize("locale", ["de_DE.UTF-8", "en_IN.UTF-8", "fr_FR.ISO-8859-1"])
def test_locale_texts_are_nimbaro_calc_texts(calc, tmp_path, locale):
    values = np.round(np.random.default_rng(7).uniform(-1e7, 1e7, 6), 6).tolist() + [
        0.5, -0.25, 999.999995]
    decimal = "." if locale == "en_IN.UTF-8" else ","
    typed = [f"{value:.6f}".replace(".", decimal) for value in values]
    shown = nimbaro.text(values, decimals=5, locale=locale)
    for text, expected in zip(typed, shown):
        line = calc("convert", "mass", text, "kg", "--to", "kg", "--locale", locale=locale)
        assert line.split("\t")[0] == expected
    # A log's cells have no group separators.
    log = tmp_path / "log.csv"
    log.write_text("value\n" + "".join(text + "\n" for text in typed))
    expected = result_cells(calc("convert", "mass", "--csv", str(log), "--value", "value",
                                 "--unit", "kg", "--to", "kg", "--locale", "--delimiter", ";",
                                 locale=locale), 1, delimiter=";")
    assert [cells[0] for cells in expected] == list(
        nimbaro.text(values, decimals=5, locale=locale, grouping=False))


def test_wind_directions_are_nimbaro_calc_directions(calc, tmp_path):
    generator = random.Random("wind-direction")
    points = [point for row in nimbaro._engine.compass_points() for point in row[:2]]
    numbers = [generator.choice([generator.uniform(-2, 362), generator.randrange(-1, 362) + 0.5])
               for _ in range(ROWS)]
    texts = [generator.choice([generator.choice(points).lower(), repr(number), "NSEW"])
             for number in numbers]
    for directions in (numbers, texts):
        log = tmp_path / "log.csv"
        log.write_text("direction\n" + "".join(f"{direction}\n" for direction in directions))
        expected = result_cells(
            calc("wind-direction", "--csv", str(log), "--value", "direction"), 1)
        result = nimbaro.wind_direction(directions)
        mid_points = ["360 or 0" if point == "N" else text for point, text in
                      zip(result.point, nimbaro.text(result.mid_point, decimals=1))]
        assert expected == [list(row) for row in zip(
            nimbaro.text(result.from_degrees, decimals=0),
            nimbaro.text(result.to_degrees, decimals=0), mid_points, result.point,
            result.direction)]
