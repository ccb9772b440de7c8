"""The calls behind the package's functions: their keywords checked, the inputs' units read,
the engine run over every block of elements, the results made."""

from __future__ import annotations

import difflib
import functools
import inspect
from collections.abc import Callable, Mapping, Sequence
from typing import Any, ParamSpec, TypeVar

import numpy as np

from . import _engine
from ._arrays import Array, Fields, Inputs
from ._results import CalculationResult, ConversionResult

CALCULATIONS = {info["id"]: info for info in _engine.calculations()}
QUANTITIES = {quantity["id"]: quantity for quantity in _engine.quantities()}
METHODS = {method["id"]: method for info in CALCULATIONS.values() for method in info["methods"]}
INPUTS = {info["keyword"]: info for info in _engine.inputs()}
# The unit of each unit keyword where neither it nor an input's units attribute names one.
DEFAULT_UNITS = {"unit": "C", "pressure_unit": "hPa", "speed_unit": "km/h",
                 "elevation_unit": "m"}
# How CF (UDUNITS) writes a fraction, which a humidity may be given as.
FRACTIONS = ("1", "fraction")
# CF's (UDUNITS') spellings of the units whose symbols are not theirs; the others' symbols are.
_CF_UNITS = {"celsius": "degC", "fahrenheit": "degF", "kilometres-per-hour": "km h-1",
             "metres-per-second": "m s-1", "miles-per-hour": "mi h-1",
             "feet-per-second": "ft s-1", "knots": "knot"}
_RISKS = np.array([""] + _engine.risk_names(), dtype=object)
_ERRORS = ("nan", "raise")

P = ParamSpec("P")
R = TypeVar("R")
CalculationT = TypeVar("CalculationT", bound=CalculationResult)
ConversionT = TypeVar("ConversionT", bound=ConversionResult)


def field_name(unit_id: str) -> str:
    """A unit's field in a result: "nautical-miles" -> "nautical_miles"."""
    return unit_id.replace("-", "_")


def cf_units(unit: Mapping[str, Any]) -> str:
    """How a CF units attribute writes a unit: "degC", "m s-1", "K", "%"."""
    return _CF_UNITS.get(unit["id"], unit["symbol"])


def _binding_problem(function: Callable[..., Any], args: tuple[Any, ...],
                     keywords: dict[str, Any]) -> str | None:
    """What is wrong with the arguments of a call, for a person; None if nothing is."""
    signature = inspect.signature(function)
    name = function.__name__
    try:
        signature.bind(*args, **keywords)
    except TypeError as error:
        known = list(signature.parameters)
        for keyword in keywords:
            if keyword not in signature.parameters:
                nearest = difflib.get_close_matches(keyword, known, n=1, cutoff=0.5)
                instead = (f"did you mean {nearest[0]!r}?" if nearest else
                           f"its keywords are {', '.join(known)}")
                return f"{name}() got an unexpected keyword argument {keyword!r}; {instead}"
        takes = [parameter.name for parameter in signature.parameters.values()
                 if parameter.kind is inspect.Parameter.KEYWORD_ONLY]
        if args and takes and not any(parameter.kind is inspect.Parameter.POSITIONAL_OR_KEYWORD
                                      for parameter in signature.parameters.values()):
            return (f"{name}() takes its inputs by keyword: {name}("
                    f"{', '.join(keyword + '=...' for keyword in takes[:2])}, ...)")
        return f"{name}(): {error}"
    return None


def keywords_checked(function: Callable[P, R]) -> Callable[P, R]:
    """The function, whose wrong keyword is answered with the nearest right one."""

    @functools.wraps(function)
    def checked(*args: P.args, **keywords: P.kwargs) -> R:
        try:
            return function(*args, **keywords)
        except TypeError:
            problem = _binding_problem(function, args, keywords)
            if problem is None:
                raise
        raise TypeError(problem)

    return checked


def raises(errors: str) -> bool:
    if errors not in _ERRORS:
        raise ValueError(f"errors: '{errors}' is neither 'nan' nor 'raise'")
    return errors == "raise"


def unit_list(to: str | Sequence[str] | None) -> list[str] | None:
    return None if to is None else [to] if isinstance(to, str) else list(to)


def texts(lines: list[str]) -> Array:
    """Lines by code: "" for 0, else the line at code - 1."""
    return np.array([""] + lines, dtype=object)


def unit_id(quantity: str, typed: str, where: str) -> str:
    """The id of the unit of a quantity that `typed` names; `where` names it for the error."""
    return str(_engine.unit_id(quantity, typed, where))


def _converter(quantity: str, unit: str, into: str) -> Callable[[Array], Array]:
    def convert(values: Array) -> Array:
        converted: Array = _engine.convert(quantity, values, unit, [into], False,
                                                False)["arrays"][0]
        return converted

    return convert


def _percent(fractions: Array) -> Array:
    return np.asarray(fractions, dtype=np.float64) * 100


class UnitPlan:
    """The unit each unit keyword hands the engine, and the inputs to convert into it first.

    An input's units attribute says its unit; one without is in the unit its keyword names (the
    default where none is named). A unit keyword that names another unit than an input's
    attribute is an error. Where every input of a unit keyword gives the same unit, the engine
    reads them in it, so that the digits are those of the windows in that unit; inputs in
    another unit are converted by the engine's conversions first.
    """

    def __init__(self, function: str, inputs: Inputs, named: Mapping[str, str | None]):
        self.units = {}
        self.conversions: dict[str, Callable[[Array], Array]] = {}
        stated = {key: self._stated_unit(function, key, units)
                  for key, units in inputs.units.items() if units is not None and key in INPUTS}
        for unit_keyword, default in DEFAULT_UNITS.items():
            typed = named.get(unit_keyword)
            self.units[unit_keyword] = typed if typed is not None else default
            keys = [key for key in inputs.values if key in INPUTS
                    and INPUTS[key]["unit_keyword"] == unit_keyword]
            if not keys:
                continue
            own = unit_id(INPUTS[keys[0]]["quantity"], self.units[unit_keyword], unit_keyword)
            for key in keys:
                if typed is not None and stated.get(key, own) != own:
                    raise ValueError(
                        f"{function}: {key} is in {inputs.units[key]!r} by its units "
                        f"attribute, but {unit_keyword}={typed!r}")
            given = {stated.get(key, own) for key in keys}
            target = given.pop() if len(given) == 1 else own
            self.units[unit_keyword] = target
            for key in keys:
                if stated.get(key, own) != target:
                    self.conversions[key] = _converter(INPUTS[key]["quantity"],
                                                       stated.get(key, own), target)
        for key, unit in stated.items():
            read_in = INPUTS[key]["units"][0]["id"]
            if INPUTS[key]["unit_keyword"] is None and unit != read_in:
                self.conversions[key] = (_percent if unit == "fraction" else
                                         _converter(INPUTS[key]["quantity"], unit, read_in))

    @staticmethod
    def _stated_unit(function: str, key: str, units: str) -> str:
        if INPUTS[key]["quantity"] == "relative-humidity" and units in FRACTIONS:
            return "fraction"
        return unit_id(INPUTS[key]["quantity"], units, f"{function}: {key}'s units attribute")

    def converted(self, arrays: Mapping[str, Array]) -> Fields:
        return {key: self.conversions[key](array) if key in self.conversions else array
                for key, array in arrays.items()}


Run = Callable[[Mapping[str, Array], bool], dict[str, Any]]


def _results(inputs: Inputs, function: str, run: Run, probe: dict[str, Any],
             units: Mapping[str, Mapping[str, Any]], long_name: str, described: dict[str, str],
             judgements: Callable[[dict[str, Any]], Fields]
             ) -> tuple[dict[str, Any], Callable[[], dict[str, Any]]]:
    """The outputs of a run over the inputs, by field, in the inputs' type, and the function
    that works out what `judgements` makes of a judging run (note, risk, reason) when asked.
    `probe` is a run over no elements, which gave the outputs' unit ids."""
    fields = [field_name(key) for key in probe["keys"]]
    attributes = {field: {"units": cf_units(units[field]), "long_name": long_name, **described}
                  for field in fields}
    titles = {"note": f"notes on the {long_name}", "risk": f"risk of the {long_name}",
              "reason": f"why the {long_name} has no value"}

    def values(arrays: Fields) -> Fields:
        ran = run(arrays, False)
        return {field_name(key): array for key, array in zip(ran["keys"], ran["arrays"])}

    def judged(arrays: Fields) -> Fields:
        return judgements(run(arrays, True))

    def judge() -> dict[str, Any]:
        kinds = judgements(run({key: np.empty(0) for key in inputs.values}, True))
        return inputs.apply(judged, dict.fromkeys(kinds, np.dtype(object)),
                            {kind: f"{function}_{kind}" for kind in kinds},
                            {kind: {"long_name": titles[kind], **described} for kind in kinds})

    computed = inputs.apply(values, dict.fromkeys(fields, np.dtype(np.float64)),
                            {field: f"{function}_{field}" for field in fields}, attributes)
    return computed, judge


def calculate(result_type: type[CalculationT], calculation: str, given: Mapping[str, Any], *,
              unit: str | None = None, pressure_unit: str | None = None,
              speed_unit: str | None = None, elevation_unit: str | None = None,
              formula: str | Sequence[str] = "window",
              old_formula: bool = False, to: str | Sequence[str] | None = None,
              errors: str = "nan") -> CalculationT:
    """A calculation of the engine over the inputs given (None: not given)."""
    info = CALCULATIONS[calculation]
    function = info["function"]
    raise_errors = raises(errors)
    inputs = Inputs(function, {key: value for key, value in given.items() if value is not None})
    plan = UnitPlan(function, inputs, {"unit": unit, "pressure_unit": pressure_unit,
                                       "speed_unit": speed_unit, "elevation_unit": elevation_unit})
    formulas = formula if isinstance(formula, str) else ",".join(formula)
    outputs = unit_list(to)

    def run(arrays: Mapping[str, Array], judge: bool) -> dict[str, Any]:
        ran: dict[str, Any] = _engine.calculate(
            calculation, plan.converted(arrays), plan.units["unit"], plan.units["pressure_unit"],
            plan.units["speed_unit"], plan.units["elevation_unit"], formulas, bool(old_formula),
            outputs, raise_errors, judge)
        return ran

    def judgements(ran: dict[str, Any]) -> Fields:
        return {"note": texts(ran["note_lines"])[ran["notes"]], "risk": _RISKS[ran["risks"]],
                "reason": texts(ran["reason_lines"])[ran["reasons"]]}

    # A run over no elements finds the method and the outputs, and refuses a wrong call before
    # any lazy input is computed.
    probe = run({key: np.empty(0) for key in inputs.values}, False)
    method = METHODS[probe["method"]]
    computed, judge = _results(
        inputs, function, run, probe,
        {field_name(unit["id"]): unit for unit in info["output_units"]}, info["name"].lower(),
        {"method": method["name"], "formula": method["formula"]}, judgements)
    return result_type(computed, judge, method=method["name"], formula=method["formula"])


def convert(result_type: type[ConversionT], quantity: str, values: Any, unit: str | None, *,
            to: str | Sequence[str] | None = None, errors: str = "nan") -> ConversionT:
    """A conversion of the engine over the values, in `unit` or the unit of their attribute."""
    info = QUANTITIES[quantity]
    function = info["function"]
    raise_errors = raises(errors)
    inputs = Inputs(function, {"values": values})
    stated = inputs.units["values"]
    if unit is None and stated is None:
        raise TypeError(f"{function}: the values' unit is missing: give unit=, or the values a "
                        "units attribute")
    if unit is not None and stated is not None and unit_id(quantity, unit, "unit") != unit_id(
            quantity, stated, f"{function}: the values' units attribute"):
        raise ValueError(f"{function}: the values are in {stated!r} by their units attribute, "
                         f"but unit={unit!r}")
    from_unit = unit if unit is not None else str(stated)
    outputs = unit_list(to)

    def run(arrays: Mapping[str, Array], judge: bool) -> dict[str, Any]:
        ran: dict[str, Any] = _engine.convert(quantity, arrays["values"], from_unit, outputs,
                                              raise_errors, judge)
        return ran

    def judgements(ran: dict[str, Any]) -> Fields:
        return {"reason": texts(ran["reason_lines"])[ran["reasons"]]}

    computed, judge = _results(
        inputs, function, run, run({"values": np.empty(0)}, False),
        {field_name(unit["id"]): unit for unit in info["unit_details"]}, info["name"].lower(),
        {}, judgements)
    return result_type(computed, judge)
