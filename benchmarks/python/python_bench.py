"""python_bench.py BARE_LIBRARY [ELEMENTS]: the dew point of ELEMENTS (10 million) float64 air
temperatures (°C) and humidities (%) by the Python module nimbaro, with the engine's checks and
fault guard, against the bare formula (the same arithmetic in a plain loop with glibc's pow and
log, from the shared library BARE_LIBRARY), against the same formula written in numpy, as an
expression and with every step in place (the fastest plain numpy), and against the arithmetic
of the batch benchmark's pandas script (three units, on Series). Each is timed alone, the best
of five runs; nimbaro also on two threads, each on half of the arrays. The last lines: "python
X.XX x bare formula, Y.YY x numpy", nimbaro's time over the bare formula's and over numpy's,
then "python on two threads: Z.ZZ x faster"."""
import ctypes
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pandas as pd

import nimbaro

ROUNDS = 5


def numpy_expression(air, humidity):
    saturation = 6.11 * np.power(10.0, 7.5 * air / (air + 237.7))
    logarithm = np.log(humidity * saturation / 100)
    return (logarithm * 237.7 - 430.22) / (19.08 - logarithm)


def numpy_in_place(air, humidity):
    exponent = air + 237.7
    np.divide(air, exponent, out=exponent)
    exponent *= 7.5
    saturation = np.power(10.0, exponent, out=exponent)
    saturation *= 6.11
    saturation *= humidity
    saturation /= 100
    logarithm = np.log(saturation, out=saturation)
    dew_point = logarithm * 237.7
    dew_point -= 430.22
    np.subtract(19.08, logarithm, out=logarithm)
    dew_point /= logarithm
    return dew_point


def pandas_script(air, humidity):
    saturation = 6.11 * np.power(10.0, 7.5 * air / (air + 237.7))
    logarithm = np.log(humidity * saturation / 100)
    dew_point = (logarithm * 237.7 - 430.22) / (19.08 - logarithm)
    return dew_point, dew_point * (9 / 5) + 32, dew_point + 273.15


def bare_formula(library):
    function = library.bare_dew_points
    pointer = ctypes.POINTER(ctypes.c_double)
    function.argtypes = [pointer, pointer, pointer, ctypes.c_size_t]
    function.restype = None

    def compute(air, humidity):
        dew_point = np.empty_like(air)
        function(air.ctypes.data_as(pointer), humidity.ctypes.data_as(pointer),
                 dew_point.ctypes.data_as(pointer), air.size)
        return dew_point
    return compute


def nimbaro_celsius(air, humidity):
    return nimbaro.dew_point(air_temperature=air, humidity=humidity, unit="C", to="C").celsius


def nimbaro_every_unit(air, humidity):
    return nimbaro.dew_point(air_temperature=air, humidity=humidity, unit="C")


def best_seconds(compute, *arguments):
    best = float("inf")
    for _ in range(ROUNDS):
        start = time.perf_counter()
        compute(*arguments)
        best = min(best, time.perf_counter() - start)
    return best


def main():
    bare = bare_formula(ctypes.CDLL(sys.argv[1]))
    elements = int(sys.argv[2]) if len(sys.argv) > 2 else 10_000_000
    generator = np.random.default_rng(22)
    air = generator.uniform(-30, 45, elements)
    humidity = generator.uniform(5, 100, elements)
    celsius = nimbaro_celsius(air, humidity)
    assert np.allclose(celsius, numpy_expression(air, humidity), rtol=0, atol=1e-9)
    assert np.array_equal(celsius, bare(air, humidity))

    half = elements // 2
    with ThreadPoolExecutor(2) as pool:
        def on_two_threads(air, humidity):
            halves = [pool.submit(nimbaro_celsius, air[:half], humidity[:half]),
                      pool.submit(nimbaro_celsius, air[half:], humidity[half:])]
            return [part.result() for part in halves]

        series = pd.Series(air), pd.Series(humidity)
        seconds = {
            "bare formula": best_seconds(bare, air, humidity),
            "numpy expression": best_seconds(numpy_expression, air, humidity),
            "numpy in place": best_seconds(numpy_in_place, air, humidity),
            "nimbaro, Celsius": best_seconds(nimbaro_celsius, air, humidity),
            "nimbaro, two threads": best_seconds(on_two_threads, air, humidity),
            "pandas script, 3 units": best_seconds(pandas_script, *series),
            "nimbaro, 3 units, Series": best_seconds(nimbaro_every_unit, *series),
        }
    print(f"{'way':<26} {'seconds':>8} {'M elements/s':>13}")
    for way, time_taken in seconds.items():
        print(f"{way:<26} {time_taken:8.3f} {elements / time_taken / 1e6:13.1f}")
    numpy = min(seconds["numpy expression"], seconds["numpy in place"])
    one = seconds["nimbaro, Celsius"]
    print(f"against the pandas script: "
          f"{seconds['pandas script, 3 units'] / seconds['nimbaro, 3 units, Series']:.2f} x")
    print(f"python on two threads: {one / seconds['nimbaro, two threads']:.2f} x faster")
    print(f"python {one / seconds['bare formula']:.2f} x bare formula, {one / numpy:.2f} x numpy")


if __name__ == "__main__":
    main()
