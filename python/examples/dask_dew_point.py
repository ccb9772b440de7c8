"""dask_dew_point.py ARCHIVE OUTPUT [--scheduler ADDRESS] [--air T] [--humidity RH]

The dew point of every row of a CSV archive of air temperatures (°C) and relative humidities
(%), computed by nimbaro on Dask: given the archive's columns, Dask Series, nimbaro.dew_point
gives the dew point in Celsius, Fahrenheit and Kelvin and the notes as lazy Series, which Dask
computes partition by partition, with the digits of Nimbaro's windows and of nimbaro-calc. ARCHIVE may be a glob ("archive/*.csv"). OUTPUT is a Parquet
folder when pyarrow can be imported, else one CSV file.

Without --scheduler a cluster of worker processes starts on this machine, reachable only from
it; with the address of a running Dask scheduler ("tcp://10.0.0.5:8786") the same code runs on
that cluster, whose workers need nimbaro installed and the archive and output at the same paths.
"""

import argparse
import importlib.util

import dask.dataframe as dd

import nimbaro


def dew_point_archive(archive, output, air="T", humidity="RH", blocksize="64MB"):
    """Reads the archive, computes every partition on the Dask scheduler in use and writes the
    result; returns the format written, "parquet" or "csv"."""
    # The round-trip parser reads each number as nimbaro-calc does, to the last bit.
    frame = dd.read_csv(archive, blocksize=blocksize, float_precision="round_trip",
                        dtype={air: "float64", humidity: "float64"})
    # A missing or failing reading gives NaN and no note, as nimbaro-calc gives empty cells.
    dew_point = nimbaro.dew_point(air_temperature=frame[air], humidity=frame[humidity], unit="C")
    result = frame.assign(dew_point_c=dew_point.celsius, dew_point_f=dew_point.fahrenheit,
                          dew_point_k=dew_point.kelvin, dew_point_note=dew_point.note)
    if importlib.util.find_spec("pyarrow") is not None:
        result.to_parquet(output)
        return "parquet"
    result.to_csv(output, single_file=True, index=False)
    return "csv"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[1])
    parser.add_argument("archive")
    parser.add_argument("output")
    parser.add_argument("--scheduler", help="the address of a running Dask scheduler")
    parser.add_argument("--air", default="T", help="the column of air temperatures (°C)")
    parser.add_argument("--humidity", default="RH", help="the column of humidities (%%)")
    arguments = parser.parse_args()
    from dask.distributed import Client, LocalCluster

    if arguments.scheduler:
        client = Client(arguments.scheduler)
    else:
        client = Client(LocalCluster(host="127.0.0.1", dashboard_address=None))
    with client:
        written = dew_point_archive(arguments.archive, arguments.output, arguments.air,
                                    arguments.humidity)
    print(f"{arguments.output}: {written}")


if __name__ == "__main__":
    main()
