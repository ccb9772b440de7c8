"""Nimbaro's conversions and calculations on arrays, with the digits of its windows.

One function per conversion and calculation, named as nimbaro-calc names them::

    import nimbaro
    td = nimbaro.dew_point(air_temperature=t, humidity=rh, unit="C")   # {"celsius": ..., ...}
    td_f = nimbaro.dew_point(air_temperature=t, humidity=rh, unit="C", to="F")
    kn = nimbaro.convert("wind-speed", gusts, "m/s", to="kn")
    points = nimbaro.wind_direction(directions)["point"]             # "SSW"
    nimbaro.text(td_f, decimals=5)       # the texts the windows show: "62.02982"

Inputs are anything numpy reads as floats (numbers, lists, numpy arrays, pandas Series, xarray
DataArrays), broadcast against each other. A Series or DataArray in gives the same type out,
with its index or coordinates; Series must share one index and DataArrays one set of
coordinates, as the engine pairs elements by place. A DataArray's values are loaded.

The keywords given choose the method, as nimbaro-calc's options do, and ``formula=`` a
reference formula ("nws"; "psychrometric", the WMO psychrometer equation; "thermodynamic",
ASHRAE's thermodynamic wet bulb; "nws,psychrometric", "nws,thermodynamic"; "window", the
windows' own, by default). A calculation from a wet bulb without ``air_pressure`` takes
1013.25 hPa and notes it. Units take every name nimbaro-calc takes (``unit="F"``, ``pressure_unit="inHg"``,
``speed_unit="kn"``). Without ``to`` a result is a dict of every output unit, keyed by unit id;
with ``to`` one unit (a name) or several (a list, giving a dict).

An element that fails the method's checks (a humidity of 0, a wind speed below 0, an infinite
reading) or whose computation faults is NaN in the result, and so is one with a NaN input;
``errors="raise"`` raises a ValueError that names the first failing element and why instead
(a NaN input is a missing reading and still gives NaN). ``notes=True`` returns
``(result, note, risk)``: every note of each element on one line, the range note first and
"; " between them, and the short name of its risk category, as nimbaro-calc's note and risk
columns ("" for none).

The loops run in C++ without holding the GIL, so Python threads computing parts of an array
run side by side.
"""

import inspect
import sys

import numpy as np

from . import _engine

_CALCULATIONS = _engine.calculations()
_QUANTITIES = {quantity["id"]: quantity for quantity in _engine.quantities()}
_RISKS = np.array([""] + _engine.risk_names(), dtype=object)
_ERRORS = ("nan", "raise")


def _loaded_type(module, name, value):
    """Whether value is of the type module.name, without importing a module not yet loaded."""
    loaded = sys.modules.get(module)
    return loaded is not None and isinstance(value, getattr(loaded, name))


class _Inputs:
    """The inputs as arrays of one shape (float64, or objects for texts), and the type the
    results are given back in."""

    def __init__(self, inputs, dtype=np.float64):
        self._wrap = None
        series = {key: value for key, value in inputs.items()
                  if _loaded_type("pandas", "Series", value)}
        data_arrays = {key: value for key, value in inputs.items()
                       if _loaded_type("xarray", "DataArray", value)}
        if series and data_arrays:
            raise TypeError("give pandas Series or xarray DataArrays, not both")
        arrays = {}
        if series:
            index = next(iter(series.values())).index
            for key, value in series.items():
                if not value.index.equals(index):
                    raise ValueError(f"{key}: its index is not the other Series' index")
                arrays[key] = value.to_numpy(dtype=dtype, na_value=np.nan)
            self._wrap = lambda result, name: sys.modules["pandas"].Series(
                result, index=index, name=name)
        if data_arrays:
            xarray = sys.modules["xarray"]
            try:
                aligned = xarray.align(*data_arrays.values(), join="exact")
            except ValueError as error:
                raise ValueError(f"the DataArrays' coordinates differ: {error}") from None
            broadcast = xarray.broadcast(*aligned)
            template = broadcast[0]
            for key, value in zip(data_arrays, broadcast):
                arrays[key] = np.asarray(value.transpose(*template.dims).values, dtype=dtype)
            self._wrap = lambda result, name: xarray.DataArray(
                result, coords=template.coords, dims=template.dims, name=name)
        for key, value in inputs.items():
            if key not in arrays:
                arrays[key] = np.asarray(value, dtype=dtype)
        self.arrays = dict(zip(arrays, np.broadcast_arrays(*arrays.values()))) if arrays else {}

    def wrap(self, result, name):
        if self._wrap is not None:
            return self._wrap(result, name)
        return result[()] if isinstance(result, np.ndarray) and result.ndim == 0 else result


def _unit_list(to):
    """to as a list of unit names, and whether it named one unit."""
    if to is None:
        return None, False
    if isinstance(to, str):
        return [to], True
    return list(to), False


def _checked_errors(errors):
    if errors not in _ERRORS:
        raise ValueError(f"errors: '{errors}' is neither 'nan' nor 'raise'")
    return errors == "raise"


def _results(inputs, keys, arrays, single):
    values = {key: inputs.wrap(array, key) for key, array in zip(keys, arrays)}
    return values[keys[0]] if single else values


def convert(quantity, values, unit, to=None, *, errors="nan"):
    """Values in unit `unit` of a quantity ("temperature", "wind-speed", ...) in every unit of
    that quantity (a dict keyed by unit id), in the unit named by `to`, or in the units of a
    list `to`. As ``nimbaro-calc convert QUANTITY VALUE UNIT [--to UNITS]``."""
    raise_errors = _checked_errors(errors)
    units, single = _unit_list(to)
    inputs = _Inputs({"value": values})
    keys, arrays = _engine.convert(quantity, inputs.arrays["value"], unit, units, raise_errors)
    return _results(inputs, keys, arrays, single)


def _calculation(info):
    keyword = inspect.Parameter.KEYWORD_ONLY
    parameters = [inspect.Parameter(name, keyword, default=None) for name in info["keywords"]]
    units = {"unit": ("temperatures", "C"), "pressure_unit": ("pressure", "hPa"),
             "speed_unit": ("wind_speed", "km/h")}
    parameters += [inspect.Parameter(name, keyword, default=default)
                   for name, (reads, default) in units.items() if info[reads]]
    if info["old_formula"]:
        parameters.append(inspect.Parameter("old_formula", keyword, default=False))
    parameters += [inspect.Parameter("formula", keyword, default="window"),
                   inspect.Parameter("to", keyword, default=None),
                   inspect.Parameter("errors", keyword, default="nan"),
                   inspect.Parameter("notes", keyword, default=False)]
    signature = inspect.Signature(parameters)

    def calculation(**keywords):
        arguments = signature.bind(**keywords)
        arguments.apply_defaults()
        given = arguments.arguments
        raise_errors = _checked_errors(given["errors"])
        units, single = _unit_list(given["to"])
        formula = given["formula"]
        inputs = _Inputs({name: given[name] for name in info["keywords"]
                          if given[name] is not None})
        keys, arrays, notes, note_lines, risks = _engine.calculate(
            info["id"], inputs.arrays, given.get("unit", "C"), given.get("pressure_unit", "hPa"),
            given.get("speed_unit", "km/h"),
            formula if isinstance(formula, str) else ",".join(formula),
            bool(given.get("old_formula", False)), units, raise_errors, bool(given["notes"]))
        result = _results(inputs, keys, arrays, single)
        if notes is None:
            return result
        note_texts = np.array([""] + note_lines, dtype=object)
        return result, inputs.wrap(note_texts[notes], "note"), inputs.wrap(_RISKS[risks], "risk")

    calculation.__name__ = calculation.__qualname__ = info["function"]
    calculation.__signature__ = signature
    input_sets = dict.fromkeys(method["keywords"] for method in info["methods"])
    calculation.__doc__ = (
        f"The {info['name'].lower()}, as ``nimbaro-calc {info['id']}`` computes it. The "
        f"keywords given choose the method: {'; or '.join(input_sets)}. Outputs: "
        f"{', '.join(info['outputs'])}. Formulas: {info['formulas']}.")
    return calculation


for _info in _CALCULATIONS:
    globals()[_info["function"]] = _calculation(_info)


_COMPASS = _engine.compass_points()
# Each output of a wind direction for each compass point, and for none (the last place).
_DIRECTION_OUTPUTS = {
    "from": np.array([point[2] for point in _COMPASS] + [np.nan]),
    "to": np.array([point[4] for point in _COMPASS] + [np.nan]),
    "mid-point": np.array([point[3] for point in _COMPASS] + [np.nan]),
    "point": np.array([point[0] for point in _COMPASS] + [""], dtype=object),
    "direction": np.array([point[1] for point in _COMPASS] + [""], dtype=object),
}


def wind_direction(direction, *, errors="nan"):
    """The range (whole degrees from and to), mid-point and compass point of each wind direction,
    a number of degrees (taken for the whole number it rounds to, as the window's box shows
    it) or a compass point ("SSW", "South South West"), as ``nimbaro-calc wind-direction``
    gives them: a dict of "from", "to", "mid-point" (North's is 0; the window shows "360 or
    0"), "point" and "direction". A direction that is neither a compass point nor a whole
    number of degrees from 0 to 360 gives NaN and "", or with errors="raise" a ValueError."""
    raise_errors = _checked_errors(errors)
    numbers = np.asarray(getattr(direction, "values", direction)).dtype.kind in "fiub"
    inputs = _Inputs({"direction": direction}, np.float64 if numbers else object)
    places = _engine.compass_point_places(inputs.arrays["direction"], raise_errors)
    places = np.where(places < 0, len(_COMPASS), places)
    return {key: inputs.wrap(table[places], key) for key, table in _DIRECTION_OUTPUTS.items()}


def text(values, decimals=5, *, locale=None, grouping=True):
    """The text of each value as the windows and nimbaro-calc show a result with `decimals`
    places ("" for NaN, no result). `locale` None gives plain numbers ("." and no group
    separators, as nimbaro-calc without --locale); True the regional format LC_ALL, LC_NUMERIC
    or LANG name, as --locale; a name ("de_DE.UTF-8") that locale's. grouping=False leaves the
    group separators out, as nimbaro-calc's log cells do. A dict of arrays gives a dict."""
    if isinstance(values, dict):
        return {key: text(value, decimals, locale=locale, grouping=grouping)
                for key, value in values.items()}
    name = "" if locale is True else (locale or None)
    inputs = _Inputs({"values": values})
    return inputs.wrap(_engine.text(inputs.arrays["values"], decimals, name, grouping),
                       getattr(values, "name", None))


def decimals(name):
    """The decimals a calculation ("dew-point") or a quantity ("area") shows its results with."""
    for info in _CALCULATIONS:
        if name in (info["id"], info["function"]):
            return info["decimals"]
    if name in _QUANTITIES:
        return _QUANTITIES[name]["decimals"]
    raise ValueError(f"'{name}' is no calculation or quantity")


def units(quantity):
    """The unit ids of a quantity, in the order of its results."""
    if quantity not in _QUANTITIES:
        raise ValueError(f"'{quantity}' is no quantity ({', '.join(_QUANTITIES)})")
    return list(_QUANTITIES[quantity]["units"])


__all__ = ["convert", "wind_direction", "text", "decimals", "units"] + [info["function"] for info in _CALCULATIONS]
