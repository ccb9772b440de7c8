"""Inputs of every kind numpy reads, broadcast, and results of the inputs' own type; NaN and
failing inputs; errors="raise"; the choice of method, formula and units by keyword."""
import math

import numpy as np
import pandas as pd
import pytest
import xarray as xr

import nimbaro


def dew_point(**inputs):
    return nimbaro.dew_point(unit="C", to="C", **inputs)


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
    assert isinstance(result["kelvin"], pd.Series) and result["kelvin"].index.equals(index)
    assert result["kelvin"].name == "kelvin"
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


# Each element that fails, with the reason errors="raise" gives for it.
@pytest.mark.parametrize("function, inputs, reason", [
    (nimbaro.dew_point, {"air_temperature": 25, "humidity": [60, 0]},
     "element 1: humidity=0 is not within 0 < humidity <= 100"),
    (nimbaro.dew_point, {"air_temperature": [25, np.inf], "humidity": 50},
     "element 1: air_temperature=inf is not a number: readings are finite"),
    (nimbaro.wind_chill, {"air_temperature": -5, "wind_speed": [[10, 20], [-1, 5]]},
     r"element \(1, 0\): wind_speed=-1 is not greater than 0"),
    (nimbaro.heat_index, {"air_temperature": [1e200, 90], "humidity": 50},
     "element 0: no result: the computation leaves the range of numbers"),
])
def test_failing_elements_are_nan_or_raise(function, inputs, reason):
    values = function(**inputs, to="C")
    assert np.isnan(values).sum() == 1
    with pytest.raises(ValueError, match=reason):
        function(**inputs, errors="raise")


def test_nan_inputs_give_nan_without_error():
    values = dew_point(air_temperature=[np.nan, 25], humidity=[60, np.nan], errors="raise")
    assert np.isnan(values).all()
    assert math.isnan(nimbaro.convert("length", np.nan, "m", to="ft", errors="raise"))
    assert nimbaro.text([np.nan, 1.5], decimals=1).tolist() == ["", "1.5"]


def test_wind_directions_of_numbers_texts_and_missing_readings():
    series = pd.Series([200, np.nan, 11.5], index=list("abc"))
    points = nimbaro.wind_direction(series)["point"]
    assert points.tolist() == ["SSW", "", "NNE"] and points.index.equals(series.index)
    assert nimbaro.wind_direction(["ssw", None])["direction"].tolist() == ["South South West", ""]
    with pytest.raises(ValueError, match="element 1: direction='NSEW' is neither a compass point"):
        nimbaro.wind_direction(["N", "NSEW", None], errors="raise")


def test_notes_and_risks_of_each_element():
    heat, notes, risks = nimbaro.heat_index(air_temperature=[70, 95, np.nan], humidity=80,
                                            unit="F", to="F", notes=True)
    assert notes.tolist() == ["Heat index formula is meant for 80 °F (26.7 °C) and above; "
                              "NWS heat index: 70.5 °F", "NWS heat index: 133.8 °F", ""]
    assert risks.tolist() == ["", "Extreme danger", ""]


def test_wet_bulb_without_pressure_takes_the_standard_one():
    given = nimbaro.wet_bulb(air_temperature=[35, 0], humidity=[20, 50], air_pressure=1013.25,
                             to="C", formula="thermodynamic")
    assumed, notes, _ = nimbaro.wet_bulb(air_temperature=[35, 0], humidity=[20, 50], to="C",
                                         formula="thermodynamic", notes=True)
    assert np.array_equal(given, assumed)
    assert np.round(assumed, 2).tolist() == [18.87, -2.97]
    assert notes.tolist() == ["Air pressure not given: 1013.25 hPa used"] * 2


def test_keywords_choose_method_formula_and_units():
    wet_bulb = nimbaro.wet_bulb(air_temperature=35, humidity=20, air_pressure=1013.25, to="C")
    reference = nimbaro.wet_bulb(air_temperature=35, humidity=20, air_pressure=1013.25, to="C",
                                 formula="psychrometric")
    assert round(wet_bulb, 2) == 21.01 and round(reference, 2) != 21.01
    in_inches = nimbaro.wet_bulb(air_temperature=95, humidity=20, air_pressure=29.92, unit="F",
                                 pressure_unit="inHg", to="degC")
    assert in_inches == pytest.approx(wet_bulb, abs=0.01)
    both = nimbaro.heat_index(air_temperature=90, wet_bulb=80, air_pressure=1013.25, unit="F",
                              formula=["nws", "psychrometric"], to=["F", "K"])
    assert list(both) == ["fahrenheit", "kelvin"]
    assert nimbaro.convert("wind-speed", [10], "m/s", to=["kn"])["knots"][0] == pytest.approx(
        19.438, abs=1e-3)


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
])
def test_usage_errors_name_what_is_wrong(call, error, message):
    with pytest.raises(error, match=message):
        call()
