"""Nimbaro's conversions and calculations on arrays, with the digits of its windows.

One function per calculation and per conversion, each with its documentation
(``help(nimbaro.dew_point)``)::

    import nimbaro
    result = nimbaro.dew_point(air_temperature=t, humidity=rh)
    result.celsius, result.fahrenheit, result.kelvin     # one field per output unit
    result.note, result.risk, result.reason              # for each element
    nimbaro.text(result.fahrenheit, decimals=5)          # the windows' texts: "62.02982"

Every function gives back one type of result, whatever its inputs: numbers, lists, numpy
arrays, pandas Series, xarray DataArrays, Dask arrays and Dask Series. Each field is of the
inputs' type: a Series keeps its index, a DataArray its dimensions, coordinates and a units
attribute, and Dask and Dask-backed DataArrays stay lazy, computed chunk by chunk or partition
by partition when the result is. An input's ``units`` attribute (CF's: "K", "degF", "hPa",
"m s-1", "knot", "%", "1" for a fraction) says its unit. ``reason`` says why an element has no
value; ``note`` and ``risk`` are nimbaro-calc's note and risk columns.

The loops run in C++ without holding the GIL, so Python threads computing parts of an array
run side by side.
"""

from __future__ import annotations

from collections.abc import Mapping, Sequence
from typing import Any

import numpy as np

from . import _engine
from ._arrays import Array, Fields, Inputs
from ._calculations import *  # noqa: F403 (the functions written from the engine's rows)
from ._calculations import CONVERSIONS, __all__ as _CALCULATIONS
from ._calls import CALCULATIONS, QUANTITIES, keywords_checked, raises
from ._results import (CalculationResult, ConversionResult, Readings, Result, Values,
                       WindDirectionResult)

@keywords_checked
def convert(quantity: str, values: Readings, unit: str | None = None,
            to: str | Sequence[str] | None = None, *, errors: str = "nan") -> ConversionResult:
    """Values of a quantity in every unit of it, as its conversion window converts them.

    Parameters
    ----------
    quantity : str
        The quantity: "temperature", "length", "area", "volume", "mass", "time", "rainfall",
        "wind-speed" or "air-pressure".
    values : array_like
        The values, in `unit`.
    unit : str, optional
        Their unit, by any of its names ("m/s", "metres per second", "m s-1"); by default
        their ``units`` attribute.
    to : str or sequence of str, optional
        The units to convert into; every unit of the quantity by default.
    errors : {"nan", "raise"}, default "nan"
        What an element that cannot be converted gives: NaN, with ``reason`` saying why, or
        a ValueError naming it.

    Returns
    -------
    ConversionResult
        The result of the quantity's own function (`convert_temperature` for "temperature").

    Examples
    --------
    >>> import nimbaro
    >>> nimbaro.convert("wind-speed", [10.0], "m/s", to="kn").knots
    array([19.43844492])
    """
    if quantity not in CONVERSIONS:
        raise ValueError(f"'{quantity}' is no quantity ({', '.join(CONVERSIONS)})")
    return CONVERSIONS[quantity](values, unit, to=to, errors=errors)


_COMPASS = _engine.compass_points()
# Each output of a wind direction for each compass point, and for none (the last place).
_DIRECTION_OUTPUTS = {
    "from_degrees": np.array([point[2] for point in _COMPASS] + [np.nan]),
    "to_degrees": np.array([point[4] for point in _COMPASS] + [np.nan]),
    "mid_point": np.array([point[3] for point in _COMPASS] + [np.nan]),
    "point": np.array([point[0] for point in _COMPASS] + [""], dtype=object),
    "direction": np.array([point[1] for point in _COMPASS] + [""], dtype=object),
}
_NO_POINT, _MISSING = -1, -2


@keywords_checked
def wind_direction(direction: Readings, *, errors: str = "nan") -> WindDirectionResult:
    """The range, mid-point and compass point of each wind direction, as the wind direction
    window and ``nimbaro-calc wind-direction`` give them.

    Parameters
    ----------
    direction : array_like
        Directions: numbers of degrees (each taken for the whole number it rounds to, as the
        window's box shows it) or compass points ("SSW", "South South West"), or texts of
        either. NaN and None are missing readings.
    errors : {"nan", "raise"}, default "nan"
        What a direction that is neither a compass point nor a whole number of degrees from 0
        to 360 gives: NaN and "", with ``reason`` saying why, or a ValueError naming it.

    Returns
    -------
    WindDirectionResult
        ``from_degrees`` and ``to_degrees``, the whole degrees of the point's sector (both
        inside); ``mid_point`` (North's is 0; the window shows "360 or 0"); ``point``, the
        abbreviation, and ``direction``, the name of the compass point; ``reason``.

    Examples
    --------
    >>> import nimbaro
    >>> result = nimbaro.wind_direction([200, "nne"])
    >>> result.point
    array(['SSW', 'NNE'], dtype=object)
    >>> result.from_degrees
    array([192.,  12.])
    """
    raise_errors = raises(errors)
    inputs = Inputs("wind_direction", {"direction": direction}, texts=True)

    def places(arrays: Fields) -> Array:
        found: Array = _engine.compass_point_places(arrays["direction"], raise_errors)
        return found

    def outputs(arrays: Fields) -> Fields:
        found = places(arrays)
        rows = np.where(found < 0, len(_COMPASS), found)
        return {field: table[rows] for field, table in _DIRECTION_OUTPUTS.items()}

    def reasons(arrays: Fields) -> Fields:
        found = places(arrays)
        reason = np.full(found.shape, "", dtype=object)
        reason[found == _MISSING] = "missing reading: direction"
        for index in np.flatnonzero(found == _NO_POINT):
            place = np.unravel_index(index, found.shape)
            reason[place] = (f"direction={arrays['direction'][place]!r} "
                             f"{_engine.no_compass_point}")
        return {"reason": reason}

    def judge() -> dict[str, Any]:
        return inputs.apply(reasons, {"reason": np.dtype(object)},
                            {"reason": "wind_direction_reason"}, {})

    fields = {field: table.dtype for field, table in _DIRECTION_OUTPUTS.items()}
    degrees = {"units": "degree", "long_name": "wind direction"}
    computed = inputs.apply(outputs, fields,
                            {field: f"wind_direction_{field}" for field in fields},
                            {"from_degrees": degrees, "to_degrees": degrees, "mid_point": degrees})
    return WindDirectionResult(computed, judge)


@keywords_checked
def text(values: Any, decimals: int | None = None, *, locale: str | bool | None = None,
         grouping: bool = True) -> Any:
    """The text of each value as the windows and nimbaro-calc show a result.

    Parameters
    ----------
    values : array_like, result or dict
        Values of any type a function takes; a result of a calculation or conversion, or a dict
        of values, gives a dict of texts by field or key.
    decimals : int, optional
        The places after the decimal point, 0 to 15: a result's own (``nimbaro.decimals``) by
        default, else 5.
    locale : str or bool, optional
        None: plain numbers ("." and no group separators), as nimbaro-calc without --locale;
        True: the regional format LC_ALL, LC_NUMERIC or LANG names, as --locale; a name
        ("de_DE.UTF-8"): that locale's.
    grouping : bool, default True
        False leaves the group separators out, as nimbaro-calc's log cells do.

    Returns
    -------
    texts
        Strings of the values' type ("" for NaN: no result), lazy for lazy values.

    Examples
    --------
    >>> import nimbaro
    >>> nimbaro.text([62.029815, float("nan")], decimals=5)
    array(['62.02982', ''], dtype=object)
    >>> nimbaro.text(nimbaro.dew_point(air_temperature=25.0, humidity=60.0))["fahrenheit"]
    '62.02982'
    """
    if isinstance(values, WindDirectionResult):
        raise TypeError("text: give one of a wind direction's fields, each with its decimals")
    if isinstance(values, (CalculationResult, ConversionResult)):
        places = values.decimals if decimals is None else decimals
        return {field: text(value, places, locale=locale, grouping=grouping)
                for field, value in values.outputs.items()}
    if isinstance(values, Mapping):
        return {key: text(value, decimals, locale=locale, grouping=grouping)
                for key, value in values.items()}
    places = 5 if decimals is None else decimals
    name = "" if locale is True else (locale or None)
    # Refuses wrong decimals and locales before any lazy value is computed.
    _engine.text(np.empty(0), places, name, grouping)
    inputs = Inputs("text", {"values": values})

    def shown(arrays: Fields) -> Fields:
        return {"text": _engine.text(arrays["values"], places, name, grouping)}

    return inputs.apply(shown, {"text": np.dtype(object)},
                        {"text": getattr(values, "name", None)}, {})["text"]


def decimals(name: str) -> int:
    """The decimals a calculation ("dew-point", "dew_point") or a quantity ("area") shows its
    results with."""
    for info in CALCULATIONS.values():
        if name in (info["id"], info["function"], info["alias"]):
            return int(info["decimals"])
    if name in QUANTITIES:
        return int(QUANTITIES[name]["decimals"])
    raise ValueError(f"'{name}' is no calculation or quantity")


def units(quantity: str) -> list[str]:
    """The unit ids of a quantity, in the order of its results."""
    if quantity not in QUANTITIES:
        raise ValueError(f"'{quantity}' is no quantity ({', '.join(QUANTITIES)})")
    return list(QUANTITIES[quantity]["units"])


__all__ = ["convert", "wind_direction", "text", "decimals", "units", "Result",
           "CalculationResult", "ConversionResult", "WindDirectionResult", "Readings", "Values"]
__all__ += _CALCULATIONS
