"""What every function of the package gives back: a result with one field per output, in the
type the inputs came in, and the reason for each element without a value."""

from __future__ import annotations

from collections.abc import Callable
from typing import TYPE_CHECKING, Any, ClassVar

import numpy.typing as npt

# What a function takes as readings: numbers, lists and anything numpy reads as an array
# (numpy arrays, pandas Series, xarray DataArrays, Dask arrays and Series).
Readings = npt.ArrayLike

# A field's values: of the inputs' type (a numpy scalar or array, a pandas Series, an xarray
# DataArray, a Dask array or Series), which no static type spells.
Values = Any


class Result:
    """The outputs of one call, one field per output unit (``celsius``, ``fahrenheit``, ...),
    each of the inputs' type, and ``reason``: why an element has no value ("" where it has one,
    "missing reading: air_temperature" for a NaN input, the rule an input broke, or a fault of
    the computation). ``reason`` is worked out when first read, by a second run over the
    inputs, so that a call that never reads it costs nothing more."""

    # The output fields a result of this type can have, in their order.
    fields: ClassVar[tuple[str, ...]] = ()

    def __init__(self, outputs: dict[str, Values], judge: Callable[[], dict[str, Values]]):
        self.__dict__.update(outputs)
        self._outputs = outputs
        self._judge = judge
        self._judged: dict[str, Values] | None = None

    @property
    def outputs(self) -> dict[str, Values]:
        """Every output field the call computed, by name, in order."""
        return dict(self._outputs)

    def _judgement(self, field: str) -> Values:
        if self._judged is None:
            self._judged = self._judge()
        return self._judged[field]

    @property
    def reason(self) -> Values:
        """Why each element has no value: "" where it has one."""
        return self._judgement("reason")

    if not TYPE_CHECKING:
        def __getattr__(self, name):
            if name in type(self).fields:
                raise AttributeError(f"{type(self).__name__}: {name} was not computed: to= "
                                     f"chose {', '.join(self._outputs)}")
            raise AttributeError(f"{type(self).__name__} has no field {name!r}; its fields are "
                                 f"{', '.join(type(self).fields)}")

    def __repr__(self) -> str:
        return f"{type(self).__name__}({', '.join(self._outputs)})"


class ConversionResult(Result):
    """A value in every unit of its quantity (or in the units ``to=`` chose)."""

    # The decimals the conversion window shows its results with.
    decimals: ClassVar[int] = 5


class CalculationResult(Result):
    """A calculation's outputs, with ``note``, ``risk`` and ``reason`` for each element, the
    method the inputs chose and the formulas it used."""

    decimals: ClassVar[int] = 5

    def __init__(self, outputs: dict[str, Values], judge: Callable[[], dict[str, Values]],
                 method: str, formula: str):
        super().__init__(outputs, judge)
        self.method = method
        self.formula = formula

    @property
    def note(self) -> Values:
        """Every note of each element on one line, as nimbaro-calc's note column: the range
        note first, "; " between them, "" for none."""
        return self._judgement("note")

    @property
    def risk(self) -> Values:
        """The short name of each element's risk category ("Danger"), "" for none."""
        return self._judgement("risk")

    def __repr__(self) -> str:
        return (f"{type(self).__name__}({', '.join(self._outputs)}; method={self.method!r}, "
                f"formula={self.formula!r})")


class WindDirectionResult(Result):
    """The range, mid-point and compass point of each wind direction."""

    fields = ("from_degrees", "to_degrees", "mid_point", "point", "direction")
    from_degrees: Values
    to_degrees: Values
    mid_point: Values
    point: Values
    direction: Values
