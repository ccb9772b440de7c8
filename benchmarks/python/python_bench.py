"""python_bench.py [ELEMENTS]: the dew point of ELEMENTS (10 million) float64 air temperatures
(°C) and humidities (%) by the Python module nimbaro, with the engine's checks, notes and fault
guard, against the same formula written in numpy, as an expression and with every step in place
(the fastest plain numpy), and against the arithmetic of the batch benchmark's pandas script
(three units, on Series). Each is timed alone, the best of five runs; nimbaro also on two
threads, each on half of the arrays. The last line: "python X.XX x numpy, Y.YY x two threads",
numpy's time over nimbaro's on one thread, and nimbaro's on one thread over two."""
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
    elements = int(sys.argv[1]) if len(sys.argv) > 1 else 10_000_000
    generator = np.random.default_rng(22)
    air = generator.uniform(-30, 45, elements)
    humidity = generator.uniform(5, 100, elements)
    celsius = nimbaro_celsius(air, humidity)
    assert np.allclose(celsius, numpy_expression(air, humidity), rtol=0, atol=1e-9)

    half = elements // 2
    with ThreadPoolExecutor(2) as pool:
        def on_two_threads(air, humidity):
            halves = [pool.submit(nimbaro_celsius, air[:half], humidity[:half]),
                      pool.submit(nimbaro_celsius, air[half:], humidity[half:])]
            return [part.result() for part in halves]

        series = pd.Series(air), pd.Series(humidity)
        seconds = {
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
    print(f"python {numpy / one:.2f} x numpy, {one / seconds['nimbaro, two threads']:.2f} x two "
          f"threads")


if __name__ == "__main__":
    main()
