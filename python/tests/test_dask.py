"""The Dask recipe on a cluster of two worker processes on this machine, over a generated log of
a hundred thousand rows: its dew points, written by nimbaro.text, and its notes are
nimbaro-calc's, cell for cell, row for row."""
import csv
import os
import pathlib

import numpy as np
import pandas as pd
from dask.distributed import Client, LocalCluster

import nimbaro

EXAMPLES = pathlib.Path(__file__).parents[1] / "examples"
ROWS = 100_000
DEW_POINTS = ("dew_point_c", "dew_point_f", "dew_point_k")


def write_log(path):
    """Hourly readings of one decimal, a few missing (NA or empty) or out of range."""
    generator = np.random.default_rng(22)
    air = [f"{value:.1f}" for value in generator.uniform(-40, 45, ROWS)]
    humidity = [str(value) for value in generator.integers(0, 106, ROWS)]
    for row in generator.choice(ROWS, 200, replace=False):
        air[row] = str(generator.choice(["NA", ""]))
    with open(path, "w", newline="") as log:
        log.write("id,T,RH\n" + "".join(f"{row},{air[row]},{humidity[row]}\n"
                                         for row in range(ROWS)))


def test_dask_recipe_gives_nimbaro_calc_cells(calc, tmp_path, monkeypatch):
    log = tmp_path / "log.csv"
    write_log(log)
    expected = list(csv.reader(calc("dew-point", "--csv", str(log), "--air-temperature", "T",
                                    "--humidity", "RH").splitlines()))[1:]
    # The workers import the recipe's module to run its partition function.
    monkeypatch.setenv("PYTHONPATH", f"{EXAMPLES}{os.pathsep}{os.environ['PYTHONPATH']}")
    monkeypatch.syspath_prepend(str(EXAMPLES))
    import dask_dew_point

    output = tmp_path / "dew-point"
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                      dashboard_address=None) as cluster, Client(cluster) as client:
        workers = client.scheduler_info()["workers"]
        assert len(workers) == 2 and all(address.startswith("tcp://127.0.0.1:")
                                         for address in workers)
        written = dask_dew_point.dew_point_archive(str(log), str(output), blocksize="400KB")
    if written == "csv":
        result = pd.read_csv(output, float_precision="round_trip", keep_default_na=False,
                             na_values={name: ["", "NA"] for name in ("T", "RH", *DEW_POINTS)})
    else:
        result = pd.read_parquet(output)
    assert result["id"].tolist() == list(range(ROWS))
    texts = nimbaro.text({name: result[name] for name in DEW_POINTS}, decimals=5)
    got = zip(*(texts[name] for name in DEW_POINTS), result["dew_point_note"])
    assert [tuple(row[3:]) for row in expected] == [tuple(row) for row in got]
