"""dew_point.py LOG AIR_COLUMN HUMIDITY_COLUMN > OUT: the dew point of every row of a CSV log in
Celsius, Fahrenheit and Kelvin with pandas and numpy, the way a user would script it; the
input columns are kept as they were read."""
import sys

import numpy as np
import pandas as pd

log, air_column, humidity_column = sys.argv[1:]
readings = pd.read_csv(log, dtype=str, keep_default_na=False)
air = readings[air_column].astype(float)
humidity = readings[humidity_column].astype(float)
saturation = 6.11 * np.power(10.0, 7.5 * air / (air + 237.7))
logarithm = np.log(humidity * saturation / 100)
dew_point = (logarithm * 237.7 - 430.22) / (19.08 - logarithm)
readings["Dew Point (°C)"] = dew_point
readings["Dew Point (°F)"] = dew_point * (9 / 5) + 32
readings["Dew Point (K)"] = dew_point + 273.15
readings.to_csv(sys.stdout, index=False, float_format="%.5f")
