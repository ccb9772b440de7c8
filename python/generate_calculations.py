"""generate_calculations.py ENGINE SOURCE_DIR OUTPUT

Writes the package's module of functions (nimbaro/_calculations.py) from the rows of the built
engine ENGINE (the extension _engine): a function for each calculation and each conversion,
with its type hints and its documentation in numpydoc's sections, and a result type for each.
Run when the package is built, so that a calculation added to the engine becomes a documented
function with no change here. SOURCE_DIR is the source tree, for the accuracy table of the How
To document, which the Notes of each calculation quote.
"""

import importlib.machinery
import importlib.util
import pathlib
import sys
import textwrap

import numpy as np

WIDTH = 96
DEFAULT_UNITS = {"unit": "C", "pressure_unit": "hPa", "speed_unit": "km/h",
                 "elevation_unit": "m"}
UNIT_KEYWORD_SUBJECTS = {"unit": "the temperatures", "pressure_unit": "the air pressure",
                         "speed_unit": "the wind speed", "elevation_unit": "the elevation"}
# Readings an example may start from, tried in turn until every element has a value and no
# note.
SAMPLES = [
    {"air_temperature": [25.0, 30.5], "humidity": [60.0, 45.0], "dew_point": [15.0, 12.5],
     "wet_bulb": [20.0, 18.0], "air_pressure": [1013.25, 1000.0], "wind_speed": [20.0, 35.0],
     "seconds": [3.0, 10.0], "elevation": [100.0, 350.0]},
    {"air_temperature": [30.0, 32.0], "humidity": [60.0, 50.0], "dew_point": [20.0, 18.5],
     "wet_bulb": [25.0, 24.0], "air_pressure": [1013.25, 1000.0]},
    {"air_temperature": [-5.0, -12.0], "humidity": [80.0, 65.0], "dew_point": [-8.0, -17.5],
     "wet_bulb": [-6.0, -13.0], "air_pressure": [1013.25, 1000.0], "wind_speed": [20.0, 35.0]},
]


def load_module(name, path, loader=None):
    found = importlib.util.spec_from_file_location(name, path, loader=loader)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def camel(name):
    return "".join(part.capitalize() for part in name.split("_"))


def field_name(unit_id):
    return unit_id.replace("-", "_")


def paragraph(text, indent):
    return textwrap.fill(text, WIDTH, initial_indent=indent, subsequent_indent=indent,
                         break_on_hyphens=False, break_long_words=False)


def quoted(texts):
    return ", ".join(f'"{text}"' for text in texts)


def in_sentence(name):
    """A name as it reads inside a sentence: "Thermodynamic dew point" -> "thermodynamic dew
    point"; "NWS heat index" keeps its capitals."""
    first = name.split()[0]
    return name if first.isupper() else first.lower() + name[len(first):]


def call(target, function, arguments):
    """A doctest line calling a function, continued on further lines where it is long."""
    opening = f">>> {target}nimbaro.{function}("
    lines = [opening]
    for number, argument in enumerate(arguments):
        argument += ", " if number < len(arguments) - 1 else ")"
        if len(lines[-1]) + len(argument.rstrip()) > WIDTH - 8 and lines[-1] != opening:
            lines[-1] = lines[-1].rstrip()
            lines.append("..." + " " * (len(opening) - 3))
        lines[-1] += argument
    return lines


def spellings(unit):
    """Every name of a unit, each once: "celsius", "°C", "Celsius", "C", "degC", ..."""
    seen, names = set(), []
    for name in [unit["id"], unit["symbol"], unit["label"], unit["name"], *unit["synonyms"]]:
        if name.lower() not in seen:
            seen.add(name.lower())
            names.append(name)
    return names


def unit_choices(units):
    return "; ".join(f"{unit['name']} ({quoted(spellings(unit))})" for unit in units)


def accuracy_script(source_dir):
    """scripts/accuracy-table, which makes the table and names its rows."""
    path = source_dir / "scripts" / "accuracy-table"
    return load_module("accuracy_table", path,
                       importlib.machinery.SourceFileLoader("accuracy_table", str(path)))


def accuracy(source_dir, script):
    """The accuracy table of the How To document, by (calculation, row title, formula): its
    text for a person, with the difference under each of the calculation's headings that has
    the row. Empty where the table cannot be read."""
    lines = (source_dir / "help" / "How To.txt").read_text(encoding="utf-8").splitlines()
    if script.HEADER not in lines:
        return {}
    start = lines.index(script.HEADER) + 1
    # The section the table stands in: the last title underlined with dashes before it.
    section = next(lines[i] for i in range(start - 1, 0, -1)
                   if lines[i + 1].startswith("---") and set(lines[i + 1]) == {"-"})
    commands = {calculation.heading: (command, calculation.heading.split(", ", 1)[1])
                for command, headings in script.CALCULATIONS.items() for calculation in headings}
    title_end, formula_end = 2 + 23, 2 + 23 + 18
    table = {}
    command = heading = None
    for line in lines[start:]:
        if not line.strip():
            break
        if not line.startswith(" "):
            command, heading = commands.get(line, (None, None))
        elif command and line[2:title_end].strip():
            difference, _, where = line[formula_end:].strip().partition("  ")
            key = (command, line[2:title_end].strip(), line[title_end:formula_end].strip())
            text = f"{difference} {heading}" + (f", at {where.strip()}" if where else "")
            table.setdefault(key, []).append(text)
        elif command and key in table and line.strip().startswith("no result for"):
            table[key][-1] += f" ({line.strip()})"
    return {key: (f"Largest difference from the reference over the range observers use (How "
                  f"To.txt, section \"{section}\"): {'; '.join(texts)}.")
            for key, texts in table.items()}


class Writer:
    def __init__(self, engine, source_dir):
        self.engine = engine
        self.inputs = {info["keyword"]: info for info in engine.inputs()}
        self.references = {info["id"]: info for info in engine.reference_formulas()}
        self.table_script = accuracy_script(source_dir)
        self.accuracy = accuracy(source_dir, self.table_script)
        self.lines = []

    def write(self, text=""):
        self.lines.append(text)

    # --- calculations ---------------------------------------------------------------------

    def calculation(self, info):
        function = info["function"]
        result = camel(function) + "Result"
        fields = [field_name(unit) for unit in info["outputs"]]
        self.result_class(result, "CalculationResult", fields, info["decimals"],
                          f"The {info['name'].lower()} of each element, from `{function}`: "
                          f"{', '.join(f'``{field}``' for field in fields)}, each of the "
                          "inputs' type, with ``note``, ``risk`` and ``reason``.")
        unit_keywords = [keyword for keyword in DEFAULT_UNITS if any(
            self.inputs[input_keyword]["unit_keyword"] == keyword
            for input_keyword in info["keywords"])]
        parameters = [f"{keyword}: Readings | None = None" for keyword in info["keywords"]]
        parameters += [f"{keyword}: str | None = None" for keyword in unit_keywords]
        if info["old_formula"]:
            parameters.append("old_formula: bool = False")
        parameters += ['formula: str | Sequence[str] = "window"',
                       "to: str | Sequence[str] | None = None",
                       'errors: Literal["nan", "raise"] = "nan"']
        self.write()
        self.write()
        self.write("@keywords_checked")
        self.write(f"def {function}(")
        self.write("    *,")
        for parameter in parameters:
            self.write(f"    {parameter},")
        self.write(f") -> {result}:")
        self.write('    """' + self.calculation_summary(info))
        self.write()
        for line in self.calculation_documentation(info, result, unit_keywords):
            self.write(line)
        self.write('    """')
        options = [f"{keyword}={keyword}" for keyword in unit_keywords]
        options += ["old_formula=old_formula"] if info["old_formula"] else []
        options += ["formula=formula", "to=to", "errors=errors"]
        self.write("    return calculate(")
        self.write(f"        {result},")
        self.write(f'        "{info["id"]}",')
        self.write("        {")
        for keyword in info["keywords"]:
            self.write(f'            "{keyword}": {keyword},')
        self.write("        },")
        for option in options:
            self.write(f"        {option},")
        self.write("    )")

    @staticmethod
    def calculation_summary(info):
        if not info["in_windows"]:
            return f"{info['name'].capitalize()}, as nimbaro-calc {info['id']} computes it."
        return f"{info['name'].capitalize()}, as the {info['name']} window computes it."

    @staticmethod
    def as_the_window(info):
        return ", as the window's options do" if info["in_windows"] else ""

    def calculation_documentation(self, info, result, unit_keywords):
        indent = "    "
        sets = list(dict.fromkeys(method["keywords"] for method in info["methods"]))
        whose = "the window's" if info["in_windows"] else "its"
        lines = [paragraph(f"The keywords given choose the method{self.as_the_window(info)}: "
                           + "; or ".join(sets) + ". `formula` names a reference formula "
                           f"instead of {whose} own; Notes describes each method.", indent),
                 ""]
        lines += [f"{indent}Parameters", f"{indent}----------"]
        for keyword in info["keywords"]:
            lines += [f"{indent}{keyword} : array_like, optional",
                      paragraph(self.input_description(keyword, info), indent * 2)]
        for keyword in unit_keywords:
            units = self.inputs[next(input_keyword for input_keyword in info["keywords"]
                                     if self.inputs[input_keyword]["unit_keyword"] == keyword)]
            lines += [f"{indent}{keyword} : str, optional", paragraph(
                f"The unit of {UNIT_KEYWORD_SUBJECTS[keyword]}, by any of its names: "
                f"{unit_choices(units['units'])}. By default the unit the inputs' ``units`` "
                f'attributes give, else "{DEFAULT_UNITS[keyword]}". Naming another unit than '
                "an input's ``units`` attribute is an error.", indent * 2)]
        if info["old_formula"]:
            old = next(method for method in info["methods"] if method["old_formula"])
            lines += [f"{indent}old_formula : bool, default False",
                      paragraph(f"True: {old['name'][0].lower() + old['name'][1:]}.",
                                indent * 2)]
        formulas = info["formulas"].split(", ")
        lines += [f'{indent}formula : str or sequence of str, default "window"', paragraph(
            f'"window", {whose} own formulas, or reference formulas: '
            f"{quoted(formulas[1:]) or 'none'} (a list names several). Notes says which "
            "apply to which inputs; References, where each comes from.", indent * 2)]
        outputs = {unit["id"]: unit for unit in info["output_units"]}
        lines += [f"{indent}to : str or sequence of str, optional", paragraph(
            "The output units to compute, by any of their names; by default every one: "
            f"{', '.join(outputs)}.", indent * 2)]
        lines += [f'{indent}errors : {{"nan", "raise"}}, default "nan"', paragraph(
            '"nan": an element that breaks a check of its method, or whose computation '
            "faults, is NaN, and ``reason`` says why; \"raise\": a ValueError names the "
            "first such element and why. A NaN input is a missing reading: NaN, never an "
            "error. With lazy inputs the error comes when the result is computed, the element "
            "counted within its chunk or partition.", indent * 2)]
        lines += ["", f"{indent}Returns", f"{indent}-------", f"{indent}{result}"]
        fields = ", ".join(f"``{field_name(unit)}`` ({outputs[unit]['name']}, units "
                           f"\"{self.cf_units(outputs[unit])}\")" for unit in outputs)
        lines.append(paragraph(
            f"One field per output unit, of the inputs' type: {fields}. ``note``: every note "
            "of each element on one line, the range note first, \"; \" between them, \"\" for "
            "none, as nimbaro-calc's note column. ``risk``: the short name of each element's "
            "risk category, \"\" for none. ``reason``: why an element has no value, \"\" "
            "where it has one. Series and DataArrays carry the attributes ``units``, "
            "``long_name``, ``method`` and ``formula``; the result, ``method`` and "
            "``formula``.", indent * 2))
        lines += ["", f"{indent}Notes", f"{indent}-----"]
        lines.append(paragraph("The methods, by the inputs given and the formulas named:",
                               indent))
        for method in info["methods"]:
            lines += ["", f"{indent}``{method['keywords']}``, formula \"{method['formula']}\""
                      + (", old_formula=True" if method["old_formula"] else "")]
            lines.append(paragraph(self.method_description(info, method), indent * 2))
        references = [self.references[reference] for reference in dict.fromkeys(
            reference for method in info["methods"] for reference in method["references"])]
        if references:
            lines += ["", f"{indent}References", f"{indent}----------"]
            for reference in references:
                lines.append(paragraph(f"{reference['id']}: {reference['name']}. From "
                                       f"{reference['source']}.", indent))
        lines += ["", f"{indent}Examples", f"{indent}--------"]
        lines += [indent + line for line in self.calculation_examples(info)]
        return lines

    def input_description(self, keyword, calculation):
        info = self.inputs[keyword]
        text = info["description"][0].upper() + info["description"][1:]
        if info["unit_keyword"]:
            text += f", in `{info['unit_keyword']}`"
        else:
            text += f", in {info['units'][0]['name']}"
        text += ", or in the unit its ``units`` attribute names"
        if info["quantity"] == "relative-humidity":
            text += ' ("1" for a fraction)'
        text += "."
        if info["unit_keyword"] == "pressure_unit" and calculation["assumes_air_pressure"]:
            text += (f" Without it, a method that reads one takes "
                     f"{self.engine.standard_air_pressure:g} hPa and notes it.")
        return text

    @staticmethod
    def cf_units(unit):
        cf = {"celsius": "degC", "fahrenheit": "degF", "kilometres-per-hour": "km h-1",
              "metres-per-second": "m s-1", "miles-per-hour": "mi h-1",
              "feet-per-second": "ft s-1", "knots": "knot"}
        return cf.get(unit["id"], unit["symbol"])

    def method_description(self, info, method):
        text = f"{method['name']}: {method['formula_text']}."
        if method["formula"] == "window":
            text += (f" The {info['name']} window's own formula, whose digits it keeps."
                     if info["in_windows"] else " Its own formula.")
        else:
            names = method["references"]
            text += (f" By the reference formula{'s' if len(names) > 1 else ''} "
                     f"{' and '.join(names)} (References).")
        for keyword, rule in method["checks"]:
            text += f" An element whose {keyword} {rule} has no value."
        if method["notes"]:
            text += " Its range notes: " + "; ".join(
                f'"{note}"' for note in dict.fromkeys(method["notes"]))
            text += "."
        if method["risks"]:
            text += (f" Its risk categories ({method['risk_source']}): "
                     f"{quoted(method['risks'])}.")
        compared = method["compared_with"]
        if compared:
            symbol = next(unit["symbol"] for unit in info["output_units"]
                          if unit["id"] == compared["unit"])
            text += (f" Where the {in_sentence(compared['name'])} lies more than "
                     f"{compared['tolerance']:g} {symbol} from it, the note gives its value.")
        key = (info["id"], self.row_title(info, method), method["formula"])
        if key in self.accuracy:
            text += " " + self.accuracy[key]
        return text

    def row_title(self, info, method):
        """The title of a method's rows in the accuracy table: "from wet bulb"."""
        keys = [self.table_script.OPTIONS["--" + keyword.replace("_", "-")]
                for keyword in method["keywords"].split(", ")]
        extra = ["--old-formula"] if method["old_formula"] else []
        return self.table_script.Method(info["id"], keys, method["formula"], extra).title()

    def sample(self, info, method):
        keywords = method["keywords"].split(", ")
        for sample in SAMPLES:
            if not all(keyword in sample for keyword in keywords):
                continue
            ran = self.engine.calculate(
                info["id"], {keyword: np.array(sample[keyword]) for keyword in keywords},
                "C", "hPa", "km/h", "m", "window", method["old_formula"], None, False, True)
            if not any(ran["notes"]) and not np.isnan(ran["arrays"][0]).any():
                return {keyword: sample[keyword] for keyword in keywords}
        return {keyword: SAMPLES[0][keyword] for keyword in keywords}

    def calculation_examples(self, info):
        function = info["function"]
        method = info["methods"][0]
        sample = self.sample(info, method)
        ran = self.engine.calculate(info["id"], {k: np.array(v) for k, v in sample.items()},
                                    "C", "hPa", "km/h", "m", "window", False, None, False, False)
        first = field_name(ran["keys"][0])
        lines = [">>> import nimbaro"]
        lines += call("result = ", function, [f"{k}={v}" for k, v in sample.items()])
        lines += [f">>> result.{first}", repr(ran["arrays"][0]),
                 f">>> nimbaro.text(result.{first}, decimals={info['decimals']})  # as the "
                 + ("window shows it" if info["in_windows"] else "command-line program prints it"),
                 repr(self.engine.text(ran["arrays"][0], info["decimals"], None, True))]
        if method["checks"]:
            keyword, rule = method["checks"][0]
            # A calm wind of 0 keeps a rule that only a negative speed breaks.
            breaking = -1.0 if rule == "is below 0" else 0.0
            broken = {k: (breaking if k == keyword else values[0]) for k, values in sample.items()}
            ran = self.engine.calculate(info["id"], {k: np.array(v) for k, v in broken.items()},
                                        "C", "hPa", "km/h", "m", "window", False, None, False, True)
            lines += ["", "An element that breaks a check has no value, and ``reason`` says why:",
                      ""]
            lines += call("", function, [f"{k}={v}" for k, v in broken.items()])
            lines[-1] += ".reason"
            lines.append(repr(ran["reason_lines"][ran["reasons"][()] - 1]))
        return lines

    # --- conversions ----------------------------------------------------------------------

    def conversion(self, info):
        function = info["function"]
        result = camel(info["id"].replace("-", "_")) + "Result"
        units = info["unit_details"]
        fields = [field_name(unit["id"]) for unit in units]
        self.result_class(result, "ConversionResult", fields, info["decimals"],
                          f"Values of {info['name'].lower()} in every unit, from `{function}`: "
                          f"{', '.join(f'``{field}``' for field in fields)}, each of the "
                          "inputs' type, with ``reason``.")
        indent = "    "
        self.write()
        self.write()
        self.write("@keywords_checked")
        self.write(f"def {function}(")
        self.write("    values: Readings,")
        self.write("    unit: str | None = None,")
        self.write("    to: str | Sequence[str] | None = None,")
        self.write("    *,")
        self.write('    errors: Literal["nan", "raise"] = "nan",')
        self.write(f") -> {result}:")
        self.write(f'    """{info["name"].capitalize()} in every unit, as the {info["name"]} '
                   "conversion window converts it.")
        sample_unit = units[0]
        spelled = sample_unit["symbol"] if sample_unit["symbol"].isascii() else sample_unit["id"]
        converted = self.engine.convert(info["id"], np.array([1.0, 2.5]), sample_unit["id"],
                                        None, False, False)
        shown = field_name(converted["keys"][1])
        for line in [
            "", f"{indent}Parameters", f"{indent}----------", f"{indent}values : array_like",
            paragraph("The values, in `unit`.", indent * 2), f"{indent}unit : str, optional",
            paragraph(f"Their unit, by any of its names: {unit_choices(units)}. By default "
                      "the values' ``units`` attribute; naming another unit than it is an "
                      "error.", indent * 2),
            f"{indent}to : str or sequence of str, optional",
            paragraph("The units to convert into, by any of their names; by default every "
                      f"one: {', '.join(unit['id'] for unit in units)}.", indent * 2),
            f'{indent}errors : {{"nan", "raise"}}, default "nan"',
            paragraph('"nan": a value that cannot be converted (not finite, or a result out of '
                      'the range of numbers) is NaN, and ``reason`` says why; "raise": a '
                      "ValueError names the first. A NaN is a missing reading: NaN, never an "
                      "error.", indent * 2),
            "", f"{indent}Returns", f"{indent}-------", f"{indent}{result}",
            paragraph("One field per unit, of the values' type: " + ", ".join(
                f"``{field_name(unit['id'])}`` ({unit['name']})" for unit in units) +
                "; ``reason``, why a value has no result (\"\" where it has one). Series and "
                "DataArrays carry the attributes ``units`` and ``long_name``.", indent * 2),
            "", f"{indent}Examples", f"{indent}--------", f"{indent}>>> import nimbaro",
            f'{indent}>>> nimbaro.{function}([1.0, 2.5], "{spelled}").{shown}',
            indent + repr(converted["arrays"][1]), f'{indent}"""',
        ]:
            self.write(line)
        self.write(f'    return convert({result}, "{info["id"]}", values, unit, to=to, '
                   "errors=errors)")

    def result_class(self, name, base, fields, decimals, summary):
        self.write()
        self.write()
        self.write(f"class {name}({base}):")
        self.write(textwrap.fill(f'"""{summary}"""', WIDTH, initial_indent="    ",
                                 subsequent_indent="    ", break_on_hyphens=False))
        self.write()
        self.write("    fields = (")
        for field in fields:
            self.write(f'        "{field}",')
        self.write("    )")
        self.write(f"    decimals = {decimals}")
        for field in fields:
            self.write(f"    {field}: Values")

    def module(self):
        calculations = self.engine.calculations()
        quantities = self.engine.quantities()
        self.write('"""Nimbaro\'s calculations and conversions, one function each, with the type '
                   "of each one's result.")
        self.write()
        self.write("Written from the engine's rows by python/generate_calculations.py when the "
                   "package is built.")
        self.write('"""')
        self.write()
        self.write("from __future__ import annotations")
        self.write()
        self.write("from collections.abc import Callable, Sequence")
        self.write("from typing import Literal")
        self.write()
        self.write("from ._calls import calculate, convert, keywords_checked")
        self.write("from ._results import CalculationResult, ConversionResult, Readings, Values")
        for info in calculations:
            self.calculation(info)
        for info in quantities:
            self.conversion(info)
        self.write()
        self.write("# The names nimbaro-calc's commands give the calculations.")
        aliases = [info for info in calculations if info["alias"] != info["function"]]
        for info in aliases:
            self.write(f"{info['alias']} = {info['function']}")
        self.write()
        self.write("# Each quantity's conversion, by the quantity's id.")
        self.write("CONVERSIONS: dict[str, Callable[..., ConversionResult]] = {")
        for info in quantities:
            self.write(f'    "{info["id"]}": {info["function"]},')
        self.write("}")
        self.write()
        names = [info["function"] for info in calculations] + [info["alias"] for info in aliases]
        names += [camel(info["function"]) + "Result" for info in calculations]
        names += [info["function"] for info in quantities]
        names += [camel(info["id"].replace("-", "_")) + "Result" for info in quantities]
        self.write("__all__ = [")
        for name in names:
            self.write(f'    "{name}",')
        self.write("]")
        return "\n".join(self.lines) + "\n"


def main():
    engine_path, source_dir, output = sys.argv[1:]
    engine = load_module("_engine", engine_path)
    text = Writer(engine, pathlib.Path(source_dir)).module()
    pathlib.Path(output).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
