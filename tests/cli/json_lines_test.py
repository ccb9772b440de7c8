"""nimbaro-calc's JSON read back by a JSON parser: a messy log as JSON Lines gives one object a
record, in order, on its line, with the fields by header, the same results as the CSV run, the
note and the risk, or the reason a row has none; a single value's object names its inputs and
every result's unit.

json_lines_test.py NIMBARO_CALC
"""
import csv
import io
import json
import subprocess
import sys

calc = sys.argv[1]
log = ('\ufeffT,RH,site\r\n30,60%,"Hollow, north"\r\n25,40,"two\nlines"\r\n\r\n'
       '35,NA,x\r\n41,70,\xe9t\xe9\r\n')
command = [calc, 'heat-index', '--csv', '-', '--air-temperature', 'T', '--humidity', 'RH',
           '--missing', 'NA']


def run(arguments, text):
    return subprocess.run(arguments, input=text.encode('utf-8'), capture_output=True, timeout=60)


as_json = run(command + ['--json'], log)
as_csv = run(command, log)
assert as_json.returncode == as_csv.returncode == 1, (as_json.stderr, as_csv.stderr)
objects = [json.loads(line) for line in as_json.stdout.decode('utf-8').splitlines()]
rows = list(csv.reader(io.StringIO(as_csv.stdout.decode('utf-8-sig'), newline='')))[1:]

assert [o['line'] for o in objects] == [2, 3, 5, 6, 7], objects
assert objects[0]['fields'] == {'T': '30', 'RH': '60%', 'site': 'Hollow, north'}
assert objects[1]['fields']['site'] == 'two\nlines'
assert objects[2] == {'line': 5, 'fields': {}}
assert 'marks a missing reading' in objects[3]['error'] and 'results' not in objects[3]
assert objects[0]['risk'].startswith('Extreme caution') and 'note' not in objects[0]
assert objects[1]['note'].startswith('Heat index formula is meant for 80')
for found, row in zip(objects, rows, strict=True):
    results = found.get('results', [])
    assert [r['text'] for r in results] == [cell for cell in row[3:6] if cell], (found, row)
    for result in results:
        assert abs(result['value'] - float(result['text'])) < 1e-5, result
assert [r['unit'] for r in objects[0]['results']] == ['celsius', 'fahrenheit', 'kelvin']
assert [r['symbol'] for r in objects[0]['results']] == ['°C', '°F', 'K']

single = json.loads(run([calc, 'dew-point', '--air-temperature', '68', '--humidity', '50',
                         '--unit', 'F', '--json'], '').stdout)
assert single['inputs']['air-temperature'] == {
    'text': '68', 'value': 68, 'unit': 'fahrenheit', 'name': 'degrees Fahrenheit',
    'symbol': '°F'}, single
assert [r['unit'] for r in single['results']] == ['celsius', 'fahrenheit', 'kelvin']
print(f'{len(objects)} JSON records read back')
