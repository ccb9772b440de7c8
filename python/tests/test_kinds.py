"""One type of result for every kind of input, lazy inputs kept lazy until computed, and units
read from the inputs' attributes."""
import dask
import dask.array as da
import dask.dataframe as dd
import numpy as np
import pandas as pd
import pytest
import xarray as xr
from dask.callbacks import Callback

import nimbaro

AIR, HUMIDITY = [25.0, 30.0, 12.0], [60.0, 0.0, 50.0]
INDEX = pd.date_range("2024-07-01", periods=3, freq="H")
EXPECTED = nimbaro.dew_point(air_temperature=np.array(AIR), humidity=np.array(HUMIDITY))


def data_array(values, **attributes):
    return xr.DataArray(values, dims="time", coords={"time": INDEX}, attrs=attributes)


# Each kind of input: how it is made from a list, and the type its fields come back in.
KINDS = {
    "list": (list, np.ndarray),
    "numpy": (np.array, np.ndarray),
    "Series": (lambda values: pd.Series(values, index=INDEX), pd.Series),
    "DataArray": (data_array, xr.DataArray),
    "chunked DataArray": (lambda values: data_array(values).chunk({"time": 2}), xr.DataArray),
    "Dask array": (lambda values: da.from_array(np.array(values), chunks=2), da.Array),
    "Dask DataFrame column": (lambda values: dd.from_pandas(
        pd.DataFrame({"T": values}, index=INDEX), npartitions=2)["T"], dd.Series),
}


@pytest.mark.parametrize("kind", KINDS)
def test_every_kind_of_input_gives_one_result_type(kind):
    make, field_type = KINDS[kind]
    result = nimbaro.dew_point(air_temperature=make(AIR), humidity=make(HUMIDITY))
    assert isinstance(result, nimbaro.DewPointResult)
    for field in ("celsius", "kelvin", "note", "risk", "reason"):
        values = getattr(result, field)
        assert isinstance(values, field_type), field
        computed = values.compute() if hasattr(values, "compute") else values
        expected = getattr(EXPECTED, field)
        if expected.dtype == object:
            assert np.asarray(computed).tolist() == expected.tolist(), field
        else:
            assert np.array_equal(np.asarray(computed), expected, equal_nan=True), field
        if isinstance(computed, pd.Series):
            assert computed.index.equals(INDEX) and computed.name == f"dew_point_{field}"
        if isinstance(computed, xr.DataArray):
            assert computed.time.equals(data_array(AIR).time)


class TaskCount(Callback):
    """Counts the tasks Dask runs."""

    def __init__(self):
        super().__init__()
        self.tasks = 0

    def _pretask(self, key, dask_graph, state):
        self.tasks += 1


def test_a_chunked_data_array_is_computed_only_when_asked():
    kelvins = xr.DataArray(np.linspace(250.0, 310.0, 12).reshape(4, 3), dims=("time", "station"),
                           coords={"station": ["A", "B", "C"]}, attrs={"units": "K"})
    chunked = kelvins.chunk({"time": 2})
    with TaskCount() as count, dask.config.set(scheduler="threads"):
        result = nimbaro.dew_point(air_temperature=chunked, humidity=60)
        fields = [result.celsius, result.fahrenheit, result.note, result.reason]
        assert count.tasks == 0
        assert all(field.chunks == chunked.chunks for field in fields)
        assert result.celsius.attrs == {"units": "degC", "long_name": "dew point",
                                        "method": "Dew point from air temperature and humidity",
                                        "formula": "window"}
        computed = result.celsius.compute()
        assert count.tasks > 0
    assert computed.station.values.tolist() == ["A", "B", "C"]
    failing = nimbaro.dew_point(air_temperature=chunked, humidity=0, errors="raise")
    with pytest.raises(ValueError, match=r"element \(0, 0\): humidity=0 .* within its chunk"):
        failing.celsius.compute()
    assert np.array_equal(computed, nimbaro.dew_point(air_temperature=kelvins.values, unit="K",
                                                      humidity=60).celsius)


# Readings with a units attribute (values, units), and the same readings given with the unit
# keywords.
@pytest.mark.parametrize("function, attributed, keywords", [
    (nimbaro.dew_point, {"air_temperature": ([298.15, 303.15], "K"), "humidity": ([60, 45], "%")},
     {"air_temperature": [298.15, 303.15], "humidity": [60, 45], "unit": "K"}),
    (nimbaro.dew_point, {"air_temperature": ([77.0, 86.0], "degF"), "humidity": [60, 45]},
     {"air_temperature": [77.0, 86.0], "humidity": [60, 45], "unit": "F"}),
    (nimbaro.dew_point, {"air_temperature": [25, 30], "humidity": ([0.6, 0.45], "1")},
     {"air_temperature": [25, 30], "humidity": [60, 45]}),
    (nimbaro.wet_bulb, {"air_temperature": [25, 30], "humidity": [60, 45],
                        "air_pressure": ([101325.0, 95000.0], "Pa")},
     {"air_temperature": [25, 30], "humidity": [60, 45], "air_pressure": [101325.0, 95000.0],
      "pressure_unit": "Pa"}),
    (nimbaro.wet_bulb, {"air_temperature": [25, 30], "humidity": [60, 45],
                        "air_pressure": ([29.92, 28.5], "inHg")},
     {"air_temperature": [25, 30], "humidity": [60, 45], "air_pressure": [29.92, 28.5],
      "pressure_unit": "inHg"}),
    (nimbaro.wind_chill, {"air_temperature": [5, -10], "wind_speed": ([5.0, 12.0], "m s-1")},
     {"air_temperature": [5, -10], "wind_speed": [5.0, 12.0], "speed_unit": "m/s"}),
    (nimbaro.wind_chill, {"air_temperature": [5, -10], "wind_speed": ([5.0, 12.0], "knot")},
     {"air_temperature": [5, -10], "wind_speed": [5.0, 12.0], "speed_unit": "kn"}),
    # Temperatures in two units: the engine reads them in one.
    (nimbaro.relative_humidity, {"air_temperature": ([298.15, 303.15], "K"),
                                 "dew_point": ([15.0, 12.5], "degC")},
     {"air_temperature": [25, 30], "dew_point": [15.0, 12.5]}),
])
def test_units_attributes_read_as_the_unit_keywords(function, attributed, keywords):
    given = {key: xr.DataArray(value[0], dims="x", attrs={"units": value[1]})
             if isinstance(value, tuple) else value for key, value in attributed.items()}
    result = next(iter(function(**given).outputs.values()))
    expected = next(iter(function(**keywords).outputs.values()))
    assert np.allclose(result, expected, rtol=0, atol=1e-9)


def test_a_series_units_attribute_is_read_and_results_carry_theirs():
    kelvins = pd.Series([298.15, 303.15], index=INDEX[:2])
    kelvins.attrs["units"] = "K"
    result = nimbaro.dew_point(air_temperature=kelvins, humidity=60)
    assert np.allclose(result.celsius, nimbaro.dew_point(air_temperature=[25, 30],
                                                         humidity=60).celsius)
    assert [result.celsius.attrs["units"], result.fahrenheit.attrs["units"],
            result.kelvin.attrs["units"]] == ["degC", "degF", "K"]
