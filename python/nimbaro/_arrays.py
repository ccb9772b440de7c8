"""Python's array types in and out of the engine's loops.

The inputs of a call are read as arrays of one shape; a block function computes every field of a
result from arrays of one shape; the fields go back in the type the inputs came in: numbers as
numpy scalars, lists and arrays as numpy arrays, pandas Series with their index, xarray
DataArrays with their dimensions and coordinates. Dask arrays, Dask Series and DataArrays
backed by Dask stay lazy: the block function runs on each chunk or partition when the result is
computed.
"""

from __future__ import annotations

import numbers
import sys
from collections.abc import Callable, Mapping
from typing import Any

import numpy as np
import numpy.typing as npt

Array = npt.NDArray[Any]
# The fields of a block, by name: arrays of the block's shape; and a function of the inputs'
# arrays, by keyword, that computes them.
Fields = dict[str, Array]
Block = Callable[[Fields], Fields]


def loaded_type(value: Any, module: str, name: str) -> bool:
    """Whether value is of the type module.name, without importing a module not yet loaded."""
    loaded = sys.modules.get(module)
    return loaded is not None and isinstance(value, getattr(loaded, name))


def _refuse_tables(function: str, key: str, value: Any) -> None:
    if loaded_type(value, "pandas", "DataFrame") or loaded_type(
            value, "dask.dataframe", "DataFrame"):
        column = next(iter(value.columns), "T")
        raise TypeError(f"{function}: {key} is a DataFrame; give one of its columns, "
                        f"{key}=frame[{column!r}]")
    if loaded_type(value, "xarray", "Dataset"):
        variable = next(iter(value.data_vars), "t2m")
        raise TypeError(f"{function}: {key} is an xarray Dataset; give one of its variables, "
                        f"{key}=dataset[{variable!r}]")


def _refuse_kind(function: str, key: str, dtype: Any, texts: bool) -> None:
    """Refuses what is no reading: times, texts (unless taken), objects, booleans, complexes.
    dtype is a numpy or a pandas dtype."""
    kind = dtype.kind
    if kind in "fiu" or (texts and kind in "USO"):
        return
    what = {"M": "dates and times", "m": "time spans", "U": "texts", "S": "texts",
            "O": "Python objects or texts", "b": "booleans", "c": "complex numbers"}.get(
                kind, f"values of type {dtype}")
    hint = "; read them as numbers first (pandas.to_numeric)" if kind in "USO" else ""
    raise TypeError(f"{function}: {key} holds {what}, not readings{hint}")


def _numbers(function: str, key: str, value: Any, texts: bool) -> Array:
    """Numbers, lists and arrays as a numpy array; None in a list is a missing reading."""
    array = np.asarray(value)
    if array.dtype.kind == "O" and not texts:
        if all(item is None or (isinstance(item, numbers.Real) and not isinstance(item, bool))
               for item in array.flat):
            return np.asarray(array, dtype=np.float64)
    _refuse_kind(function, key, array.dtype, texts)
    return array


def _series_values(function: str, key: str, series: Any, texts: bool) -> Array:
    """A Series' values: numbers as float64, pandas' missing values as NaN."""
    _refuse_kind(function, key, series.dtype, texts)
    values: Array = (series.to_numpy(dtype=np.float64, na_value=np.nan)
                     if series.dtype.kind in "fiu" else series.to_numpy(dtype=object))
    return values


def units_attribute(value: Any) -> str | None:
    """The units a DataArray's or a Series' attributes give (CF's "units"); None for none."""
    attributes = getattr(value, "attrs", None)
    units = attributes.get("units") if isinstance(attributes, Mapping) else None
    return str(units) if units not in (None, "") else None


def _shape_error(function: str, shapes: Mapping[str, tuple[int, ...]]) -> ValueError:
    listed = ", ".join(f"{key} {shape}" for key, shape in shapes.items())
    return ValueError(f"{function}: the inputs' shapes do not broadcast together: {listed}")


def _counted_within(part: str, block: Block, arrays: Fields) -> Fields:
    """The block's fields; an element that errors="raise" names is counted within its part."""
    try:
        return block(arrays)
    except ValueError as error:
        raise ValueError(f"{error} (the element counted within its {part})") from None


class Inputs:
    """The inputs of one call, and the type its results are given back in."""

    def __init__(self, function: str, inputs: Mapping[str, Any], *, texts: bool = False):
        self.function = function
        self.texts = texts
        for key, value in inputs.items():
            _refuse_tables(function, key, value)
        self.units = {key: units_attribute(value) for key, value in inputs.items()}
        self._series = {key: value for key, value in inputs.items()
                        if loaded_type(value, "pandas", "Series")}
        self._data_arrays = {key: value for key, value in inputs.items()
                             if loaded_type(value, "xarray", "DataArray")}
        self._dask_series = {key: value for key, value in inputs.items()
                             if loaded_type(value, "dask.dataframe", "Series")}
        kinds = [kind for kind in (self._series, self._data_arrays, self._dask_series) if kind]
        if len(kinds) > 1:
            raise TypeError(f"{function}: give pandas Series, xarray DataArrays or Dask Series, "
                            "one kind only")
        self._template: Any = None
        self._index: Any = None
        self.values = self._read(inputs)

    def _read(self, inputs: Mapping[str, Any]) -> dict[str, Any]:
        values: dict[str, Any] = {}
        if self._series:
            self._index = next(iter(self._series.values())).index
            for key, series in self._series.items():
                if not series.index.equals(self._index):
                    raise ValueError(f"{self.function}: {key}: its index is not the other "
                                     "Series' index")
                values[key] = _series_values(self.function, key, series, self.texts)
        if self._data_arrays:
            values.update(self._read_data_arrays())
        if self._dask_series:
            for key, series in self._dask_series.items():
                _refuse_kind(self.function, key, series.dtype, self.texts)
                values[key] = series
        for key, value in inputs.items():
            if key in values:
                continue
            if self._dask_series and np.ndim(value) > 0:
                raise TypeError(f"{self.function}: {key}: beside a Dask Series give Dask "
                                "Series or single numbers, which every partition shares")
            if loaded_type(value, "dask.array", "Array"):
                if self._series:
                    raise TypeError(f"{self.function}: {key}: beside pandas Series, which are "
                                    "not lazy, give no Dask array")
                _refuse_kind(self.function, key, value.dtype, self.texts)
                values[key] = value
            else:
                values[key] = _numbers(self.function, key, value, self.texts)
        return values

    def _read_data_arrays(self) -> dict[str, Any]:
        xarray = sys.modules["xarray"]
        try:
            aligned = xarray.align(*self._data_arrays.values(), join="exact")
        except ValueError as error:
            raise ValueError(f"{self.function}: the DataArrays' coordinates differ: "
                             f"{error}") from None
        broadcast = xarray.broadcast(*aligned)
        self._template = broadcast[0]
        values = {}
        for key, data_array in zip(self._data_arrays, broadcast):
            _refuse_kind(self.function, key, data_array.dtype, self.texts)
            values[key] = data_array.transpose(*self._template.dims).data
        return values

    @property
    def lazy(self) -> bool:
        return bool(self._dask_series) or any(
            loaded_type(value, "dask.array", "Array") for value in self.values.values())

    def apply(self, block: Block, fields: Mapping[str, np.dtype[Any]],
              names: Mapping[str, str | None], attributes: Mapping[str, dict[str, Any]]
              ) -> dict[str, Any]:
        """Every field of `fields` (its dtype), as block computes it, in the inputs' type, each
        named by `names` and, for Series and DataArrays, with its `attributes`."""
        if self._dask_series:
            return self._apply_to_partitions(block, fields, names)
        if self.lazy:
            computed = self._apply_to_chunks(block, fields)
        else:
            computed = block(self._broadcast())
        shape = np.shape(next(iter(computed.values())))
        if self._template is not None and shape != self._template.shape:
            listed = ", ".join(f"{key} {np.shape(value)}" for key, value in self.values.items())
            raise ValueError(f"{self.function}: the inputs beside the DataArrays do not fit "
                             f"their dimensions {dict(self._template.sizes)}: {listed}")
        return {field: self._wrap(computed[field], names[field], attributes.get(field, {}))
                for field in fields}

    def _broadcast(self) -> Fields:
        try:
            arrays = np.broadcast_arrays(*self.values.values())
        except ValueError:
            raise _shape_error(self.function, {key: np.shape(value) for key, value
                                               in self.values.items()}) from None
        return dict(zip(self.values, arrays))

    def _apply_to_chunks(self, block: Block, fields: Mapping[str, np.dtype[Any]]) -> Fields:
        dask_array = sys.modules["dask.array"]
        try:
            arrays = dask_array.broadcast_arrays(*(dask_array.asarray(value)
                                                   for value in self.values.values()))
        except ValueError:
            raise _shape_error(self.function, {key: np.shape(value) for key, value
                                               in self.values.items()}) from None
        keys = list(self.values)
        # One record array per chunk holds every field, so that the fields share one run of the
        # block function.
        record = np.dtype([(field, dtype) for field, dtype in fields.items()])

        def records(*chunks: Array) -> Array:
            shaped = np.broadcast_arrays(*chunks)
            computed = _counted_within("chunk", block, dict(zip(keys, shaped)))
            out = np.empty(np.broadcast_shapes(*(chunk.shape for chunk in chunks)), record)
            for field in fields:
                out[field] = computed[field]
            return out

        axes = tuple(range(arrays[0].ndim))
        paired = [part for array in arrays for part in (array, axes)]
        computed = dask_array.blockwise(records, axes, *paired, dtype=record,
                                        meta=np.empty((0,) * len(axes), record))
        return {field: computed[field] for field in fields}

    def _apply_to_partitions(self, block: Block, fields: Mapping[str, np.dtype[Any]],
                             names: Mapping[str, str | None]) -> dict[str, Any]:
        columns = {field: names[field] or field for field in fields}
        pandas = sys.modules["pandas"]
        keys = list(self.values)
        function, texts = self.function, self.texts

        def frame(*parts: Any) -> Any:
            index = next(part.index for part in parts if isinstance(part, pandas.Series))
            arrays = [_series_values(function, key, part, texts)
                      if isinstance(part, pandas.Series) else np.asarray(part)
                      for key, part in zip(keys, parts)]
            shaped = np.broadcast_arrays(*arrays, np.empty(len(index)))[:-1]
            computed = _counted_within("partition", block, dict(zip(keys, shaped)))
            return pandas.DataFrame({columns[field]: computed[field] for field in fields},
                                    index=index)

        first = next(iter(self._dask_series.values()))
        meta = pandas.DataFrame({columns[field]: np.empty(0, dtype)
                                 for field, dtype in fields.items()}, index=first._meta.index)
        computed = sys.modules["dask.dataframe"].map_partitions(
            frame, *self.values.values(), meta=meta)
        return {field: computed[columns[field]] for field in fields}

    def _wrap(self, values: Any, name: str | None, attributes: dict[str, Any]) -> Any:
        if self._template is not None:
            return sys.modules["xarray"].DataArray(values, coords=self._template.coords,
                                                   dims=self._template.dims, name=name,
                                                   attrs=attributes)
        if self._index is not None:
            series = sys.modules["pandas"].Series(values, index=self._index, name=name)
            series.attrs.update(attributes)
            return series
        if isinstance(values, np.ndarray) and values.ndim == 0:
            return values[()]
        return values
