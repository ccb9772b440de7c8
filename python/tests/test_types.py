"""Inputs of every kind numpy reads, broadcast, and results of the inputs' own type; NaN and
failing inputs and their reasons; errors="raise"; the choice of method, formula and units by
keyword and by units attribute; the refusals."""
import inspect
import math
import pydoc
import re

import numpy as np
import pandas as pd
import pytest
import xarray as xr

import nimbaro


def dew_point(**inputs):
    return nimbaro.dew_point(unit="C", to="C", **inputs).celsius


def test_lists_arrays_and_numbers_give_the_same_values():
    expected = dew_point(air_temperature=np.array([25.0, 30.0]), humidity=np.array([60.0, 60.0]))
    assert np.array_equal(dew_point(air_temperature=[25, 30], humidity=60), expected)
    assert isinstance(dew_point(air_temperature=25, humidity=60), np.float64)
    assert dew_point(air_temperature=25, humidity=60) == expected[0]


def test_broadcasting_strides_and_order_of_a_grid():
    air = np.arange(10.0, 34.0, 2.0).reshape(3, 4)
    humidity = np.array([20.0, 40.0, 60.0, 80.0])
    grid = dew_point(air_temperature=air.T.T[:, ::-1], humidity=humidity[::-1])
    for row in range(3):
        for column in range(4):
            assert grid[row, column] == dew_point(air_temperature=air[row, 3 - column],
                                                  humidity=humidity[3 - column])
    assert dew_point(air_temperature=air[:, :0], humidity=1).shape == (3, 0)


def test_a_series_keeps_its_index_and_several_must_share_it():
    index = pd.date_range("2024-07-01", periods=3, freq="H")
    air = pd.Series([25.0, 26.0, 27.0], index=index)
    result = nimbaro.dew_point(air_temperature=air, humidity=pd.Series([60, 61, 62], index=index))
    assert isinstance(result.kelvin, pd.Series) and result.kelvin.index.equals(index)
    assert result.kelvin.name == "dew_point_kelvin" and result.kelvin.attrs["units"] == "K"
    # Pandas' missing values are NaN readings.
    nullable = pd.Series([25.0, None, 27.0], dtype="Float64", index=index)
    assert dew_point(air_temperature=nullable, humidity=60).isna().tolist() == [False, True, False]
    with pytest.raises(ValueError, match="index"):
        dew_point(air_temperature=air, humidity=pd.Series([60, 61, 62]))


def test_data_arrays_keep_coordinates_and_broadcast_by_dimension():
    air = xr.DataArray([20.0, 25.0], dims="station", coords={"station": ["A", "B"]})
    humidity = xr.DataArray([40.0, 60.0, 80.0], dims="time", coords={"time": [0, 1, 2]})
    result = dew_point(air_temperature=air, humidity=humidity)
    assert result.dims == ("station", "time") and list(result.station) == ["A", "B"]
    assert float(result.sel(station="B", time=1)) == dew_point(air_temperature=25, humidity=60)
    with pytest.raises(ValueError, match="coordinates"):
        dew_point(air_temperature=air, humidity=air.assign_coords(station=["A", "C"]))
    with pytest.raises(TypeError):
        dew_point(air_temperature=air, humidity=pd.Series([60.0, 70.0]))


# Each element that fails, with the reason its result and errors="raise" give for it.
@pytest.mark.parametrize("function, inputs, place, reason", [
    (nimbaro.dew_point, {"air_temperature": 25, "humidity": [60, 0]},
     1, "humidity=0 is not within 0 < humidity <= 100"),
    (nimbaro.dew_point, {"air_temperature": [25, np.inf], "humidity": 50},
     1, "air_temperature=inf is not a number: readings are finite"),
    (nimbaro.wind_chill, {"air_temperature": -5, "wind_speed": [[10, 20], [-1, 5]]},
     (1, 0), "wind_speed=-1 is not greater than 0"),
    (nimbaro.heat_index, {"air_temperature": [1e200, 90], "humidity": 50},
     0, "no result: the computation leaves the range of numbers"),
    (nimbaro.dew_point, {"air_temperature": [25, np.nan], "humidity": 50},
     1, "missing reading: air_temperature"),
])
def test_failing_elements_are_nan_with_a_reason_or_raise(function, inputs, place, reason):
    result = function(**inputs, to="C")
    assert np.isnan(result.celsius).sum() == 1 and np.isnan(result.celsius[place])
    assert result.reason[place].startswith(reason)
    assert (result.reason == "").sum() == result.reason.size - 1
    if not reason.startswith("missing"):
        with pytest.raises(ValueError, match=re.escape(f"element {place}: {reason}")):
            function(**inputs, errors="raise")


def test_nan_inputs_give_nan_without_error():
    values = dew_point(air_temperature=[np.nan, 25], humidity=[60, np.nan], errors="raise")
    assert np.isnan(values).all()
    assert math.isnan(nimbaro.convert("length", np.nan, "m", to="ft", errors="raise").feet)
    assert nimbaro.text([np.nan, 1.5], decimals=1).tolist() == ["", "1.5"]


def test_wind_directions_of_numbers_texts_and_missing_readings():
    series = pd.Series([200, np.nan, 11.5], index=list("abc"))
    result = nimbaro.wind_direction(series)
    assert result.point.tolist() == ["SSW", "", "NNE"] and result.point.index.equals(series.index)
    assert result.reason.tolist() == ["", "missing reading: direction", ""]
    assert nimbaro.wind_direction(["ssw", None]).direction.tolist() == ["South South West", ""]
    assert nimbaro.wind_direction("NSEW").reason == (
        "direction='NSEW' is neither a compass point nor a whole number of degrees from 0 to 360")
    with pytest.raises(ValueError, match="element 1: direction='NSEW' is neither a compass point"):
        nimbaro.wind_direction(["N", "NSEW", None], errors="raise")


def test_notes_and_risks_of_each_element():
    heat = nimbaro.heat_index(air_temperature=[70, 95, np.nan], humidity=80, unit="F", to="F")
    assert heat.note.tolist() == ["Heat index formula is meant for 80 °F (26.7 °C) and above; "
                              "NWS heat index: 70.5 °F", "NWS heat index: 133.8 °F", ""]
    assert heat.risk.tolist() == ["", "Extreme danger", ""]


def test_wet_bulb_without_pressure_takes_the_standard_one():
    given = nimbaro.wet_bulb(air_temperature=[35, 0], humidity=[20, 50], air_pressure=1013.25,
                             to="C", formula="thermodynamic")
    assumed = nimbaro.wet_bulb(air_temperature=[35, 0], humidity=[20, 50], to="C",
                               formula="thermodynamic")
    assert np.array_equal(given.celsius, assumed.celsius)
    assert np.round(assumed.celsius, 2).tolist() == [18.87, -2.97]
    assert assumed.note.tolist() == ["Air pressure not given: 1013.25 hPa used"] * 2


def test_keywords_choose_method_formula_and_units():
    wet_bulb = nimbaro.wet_bulb(air_temperature=35, humidity=20, air_pressure=1013.25).celsius
    reference = nimbaro.wet_bulb(air_temperature=35, humidity=20, air_pressure=1013.25,
                                 formula="psychrometric")
    assert round(wet_bulb, 2) == 21.01 and round(reference.celsius, 2) != 21.01
    assert reference.formula == "psychrometric" and "WMO psychrometer" in reference.method
    in_inches = nimbaro.wet_bulb(air_temperature=95, humidity=20, air_pressure=29.92, unit="F",
                                 pressure_unit="inHg", to="degC")
    assert in_inches.celsius == pytest.approx(wet_bulb, abs=0.01)
    both = nimbaro.heat_index(air_temperature=90, wet_bulb=80, air_pressure=1013.25, unit="F",
                              formula=["nws", "psychrometric"], to=["F", "K"])
    assert list(both.outputs) == ["fahrenheit", "kelvin"]
    with pytest.raises(AttributeError, match="celsius was not computed"):
        both.celsius
    assert nimbaro.convert("wind-speed", [10], "m/s", to=["kn"]).knots[0] == pytest.approx(
        19.438, abs=1e-3)
    assert nimbaro.humidity is nimbaro.relative_humidity


@pytest.mark.parametrize("call, error, message", [
    (lambda: nimbaro.dew_point(air_temperature=25), TypeError,
     "takes one of these sets of inputs:\n  air_temperature, humidity\n"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=50, wind_speed=3), TypeError,
     "unexpected keyword argument 'wind_speed'"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=50, formula="nws"), ValueError,
     "formula nws does not apply to dew_point with air_temperature, humidity"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=50, formula="x"), ValueError,
     r"formula: 'x' is no formula of dew_point \(window, psychrometric, thermodynamic\)"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=50, unit="R"), ValueError,
     "unit: 'R' is no temperature unit; the nearest are celsius"),
    (lambda: nimbaro.cloud_height(air_temperature=25, humidity=50, to="km"), ValueError,
     "to: cloud-height gives no result in 'km'"),
    (lambda: nimbaro.convert("length", 1, "nm"), ValueError,
     "unit: 'nm' is no length unit; use 'nmi'"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=50, errors="ignore"), ValueError,
     "errors: 'ignore' is neither"),
    (lambda: nimbaro.convert("speed", 1, "m/s"), ValueError, "'speed' is no quantity"),
    (lambda: nimbaro.text(1.0, decimals=16), ValueError, "decimals: 16 is not within 0 to 15"),
    (lambda: nimbaro.text(1.0, locale="xx_XX.UTF-8"), ValueError, "is no locale this machine"),
    (lambda: nimbaro.dew_point(air_temp=25, humidity=50), TypeError,
     r"dew_point\(\) got an unexpected keyword argument 'air_temp'; did you mean "
     "'air_temperature'"),
    (lambda: nimbaro.dew_point(25, 50), TypeError,
     r"dew_point\(\) takes its inputs by keyword: dew_point\(air_temperature=\.\.\., "),
    (lambda: nimbaro.dew_point(air_temperature=[1, 2, 3], humidity=[[1, 2]]), ValueError,
     r"dew_point: the inputs' shapes do not broadcast together: air_temperature \(3,\), "
     r"humidity \(1, 2\)"),
    (lambda: nimbaro.dew_point(air_temperature=np.array(["2024-07-01"], dtype="datetime64[D]"),
                               humidity=50), TypeError,
     "dew_point: air_temperature holds dates and times, not readings"),
    (lambda: nimbaro.dew_point(air_temperature=pd.Series(pd.date_range("2024", periods=2)),
                               humidity=50), TypeError, "air_temperature holds dates and times"),
    (lambda: nimbaro.dew_point(air_temperature=["25"], humidity=50), TypeError,
     r"air_temperature holds texts, not readings; read them as numbers first"),
    (lambda: nimbaro.dew_point(air_temperature=25, humidity=pd.Series([50, "dry"])), TypeError,
     "humidity holds Python objects or texts"),
    (lambda: nimbaro.dew_point(air_temperature=pd.DataFrame({"T": [25.0]}), humidity=50),
     TypeError, r"air_temperature is a DataFrame; give one of its columns, "
     r"air_temperature=frame\['T'\]"),
    (lambda: nimbaro.dew_point(air_temperature=xr.Dataset({"t2m": ("x", [25.0])}), humidity=50),
     TypeError, r"give one of its variables, air_temperature=dataset\['t2m'\]"),
    (lambda: nimbaro.dew_point(air_temperature=xr.DataArray([298.0], attrs={"units": "K"}),
                               humidity=50, unit="C"), ValueError,
     "dew_point: air_temperature is in 'K' by its units attribute, but unit='C'"),
    (lambda: nimbaro.dew_point(air_temperature=xr.DataArray([298.0], attrs={"units": "degrees"}),
                               humidity=50), ValueError,
     "dew_point: air_temperature's units attribute: 'degrees' is no temperature unit"),
    (lambda: nimbaro.convert_length([1.0]), TypeError, "convert_length: the values' unit is "
     "missing"),
])
def test_usage_errors_name_what_is_wrong(call, error, message):
    with pytest.raises(error, match=message):
        call()


def test_help_shows_parameters_units_returns_sources_and_an_example():
    shown = pydoc.render_doc(nimbaro.dew_point, renderer=pydoc.plaintext)
    for part in ("air_temperature : array_like, optional", '"degF"', "Returns", "DewPointResult",
                 "E = 6.11 * 10^(7.5 T / (T + 237.7))", "window's own formula",
                 "WMO-No. 8", "Largest difference from the reference",
                 ">>> result = nimbaro.dew_point("):
        assert part in shown
    assert list(inspect.signature(nimbaro.heat_index).parameters)[:2] == [
        "air_temperature", "humidity"]
