// nimbaro._engine: the engine's conversions and calculations over numpy arrays, element by
// element in C++ without the GIL, and the texts of results as the windows show them. The
// package nimbaro around it takes Python's types in and gives them back.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "calculations.h"
#include "element_walk.h"
#include "inputs.h"
#include "method_choice.h"
#include "number_text.h"
#include "quantities.h"
#include "system_locale.h"
#include "text_match.h"
#include "unit_names.h"
#include "wind_direction.h"

namespace py = pybind11;

namespace nimbaro::python {
namespace {

using Array = py::array_t<double>;

// The keyword of an input, as nimbaro-calc's option names it: air_temperature.
std::string keywordOf(Input input) {
    return identifierOf(inputInfo(input).id);
}

// The keyword that names the unit an input of this quantity is typed in; none for a quantity
// read in one unit (percent, seconds).
const char* unitKeywordOf(const Quantity& quantity) {
    if (&quantity == &temperatureQuantity()) {
        return "unit";
    }
    if (&quantity == &airPressureQuantity()) {
        return "pressure_unit";
    }
    if (&quantity == &lengthQuantity()) {
        return "elevation_unit";
    }
    return &quantity == &windSpeedQuantity() ? "speed_unit" : nullptr;
}

// A name as Python names things: "Cloud Base Height", "cloud-height" -> "cloud_base_height",
// "cloud_height".
std::string pythonName(std::string_view text) {
    std::string name;
    for (const char c : asciiLowerCase(text)) {
        const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        name += alphanumeric ? c : '_';
    }
    return name;
}

// A calculation's function, named by what it computes: relative_humidity, dew_point.
std::string functionName(const CalculationInfo& calculation) {
    return pythonName(calculation.name);
}

// "air_temperature, humidity"
std::string keywordSet(const MethodInfo& method) {
    std::string set;
    for (const Input input : method.inputs) {
        set += set.empty() ? "" : ", ";
        set += keywordOf(input);
    }
    return set;
}

// Arrays of one shape, as the package hands them over once broadcast.
struct Elements {
    std::vector<std::ptrdiff_t> shape;
    std::vector<StridedArray> arrays;
};

Elements elementsOf(const std::vector<Array>& arrays) {
    Elements elements;
    elements.shape.assign(arrays.front().shape(), arrays.front().shape() + arrays.front().ndim());
    for (const Array& array : arrays) {
        if (!std::equal(elements.shape.begin(), elements.shape.end(), array.shape(),
                        array.shape() + array.ndim()) ||
            static_cast<std::size_t>(array.ndim()) != elements.shape.size()) {
            throw std::invalid_argument("the inputs are not of one shape");
        }
        elements.arrays.push_back(
            {reinterpret_cast<const char*>(array.data()),
             std::vector<std::ptrdiff_t>(array.strides(), array.strides() + array.ndim())});
    }
    return elements;
}

// Why an input breaks a rule: "humidity=0 is not within 0 < humidity <= 100". A number that
// breaks the rule of a number is infinite; a NaN is a missing reading, which breaks none.
std::string reasonOf(const InputFault& fault, double value) {
    const std::string keyword = keywordOf(fault.input);
    if (fault.rule == Rule::Number) {
        return keyword + "=" + (value > 0 ? "inf" : "-inf") +
               " is not a number: readings are finite";
    }
    return keyword + "=" + numberToText(value, plainNumberLocale()) + " " +
           std::string(ruleText(fault.rule));
}

constexpr const char* kComputationFault =
    "no result: the computation leaves the range of numbers or the domain of its formula";

// The first element that failed, for errors="raise".
struct Failure {
    std::size_t index;
    std::string reason;
};

[[noreturn]] void raise(std::string_view what, const std::vector<std::ptrdiff_t>& shape,
                        const Failure& failure) {
    const std::string place = elementPlace(shape, failure.index);
    throw py::value_error(std::string(what) + ": " +
                          (place.empty() ? "" : "element " + place + ": ") + failure.reason);
}

// The outputs `to` names, each found by `find`, or every one of `count`.
template <typename Find>
std::vector<std::size_t> chosenOutputs(const std::optional<std::vector<std::string>>& to,
                                       std::size_t count, Find find) {
    std::vector<std::size_t> chosen;
    if (to) {
        for (const std::string& typed : *to) {
            chosen.push_back(find(typed));
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            chosen.push_back(i);
        }
    }
    return chosen;
}

// The arrays a loop writes its results into: one for each output chosen, keyed by its unit id.
struct ResultArrays {
    ResultArrays(const std::vector<std::string>& ids, std::vector<std::size_t> chosenOutputs,
                 const std::vector<std::ptrdiff_t>& shape)
        : chosen(std::move(chosenOutputs)) {
        for (const std::size_t output : chosen) {
            keys.append(ids[output]);
            arrays.emplace_back(shape);
            data.push_back(arrays.back().mutable_data());
        }
    }

    // Every output of an element, the chosen ones written; none (NaN) for no values.
    template <typename Values>
    void write(std::size_t index, const Values* values) {
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            data[k][index] = values != nullptr ? (*values)[chosen[k]] : std::nan("");
        }
    }

    py::list list() const {
        py::list list;
        for (const Array& array : arrays) {
            list.append(array);
        }
        return list;
    }

    std::vector<std::size_t> chosen;
    py::list keys;
    std::vector<Array> arrays;
    std::vector<double*> data;
};

// The distinct lines of a loop's elements (their notes, or why they have no result), each a
// code: 0 for none, else 1 + its place in `lines`. Elements with the same line share one text.
class LineCodes {
  public:
    std::uint32_t codeOf(std::string line) {
        if (line.empty()) {
            return 0;
        }
        const auto [found, added] =
            codes_.try_emplace(line, static_cast<std::uint32_t>(lines_.size() + 1));
        if (added) {
            lines_.push_back(std::move(line));
        }
        return found->second;
    }
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::unordered_map<std::string, std::uint32_t> codes_;
    std::vector<std::string> lines_;
};

// A code for each element of a loop, written where the caller asked for them.
template <typename Code>
struct CodeArray {
    CodeArray(bool wanted, const std::vector<std::ptrdiff_t>& shape)
        : array(wanted ? shape : std::vector<std::ptrdiff_t>{0}), data(array.mutable_data()) {}

    py::array_t<Code> array;
    Code* data;
};

// Why each element of a loop has no result, where the caller asked: a code per element, 0 for
// an element that has one.
class Reasons {
  public:
    Reasons(bool wanted, const std::vector<std::ptrdiff_t>& shape)
        : wanted_(wanted), codes_(wanted, shape) {}

    // reason() is called only where reasons were asked for.
    template <typename Reason>
    void write(std::size_t index, Reason&& reason) {
        if (wanted_) {
            codes_.data[index] = lines_.codeOf(reason());
        }
    }

    void put(py::dict& into) const {
        into["reasons"] = codes_.array;
        into["reason_lines"] = lines_.lines();
    }

  private:
    bool wanted_;
    CodeArray<std::uint32_t> codes_;
    LineCodes lines_;
};

std::string missingReading(std::string_view keyword) {
    return "missing reading: " + std::string(keyword);
}

// Why an element has no result: the rule one of its inputs broke, or a computation fault.
std::string reasonOf(const Outcome<Calculated>& outcome, const InputNumbers& numbers) {
    const auto* fault = std::get_if<InputFault>(&outcome);
    return fault == nullptr ? kComputationFault : reasonOf(*fault, numbers[fault->input]);
}

// The outputs alone, without notes, risks or reasons: runs of elements handed to the engine's
// outputs-only path, so that an element costs about what its formula costs. The first element
// that fails, under errors="raise"; a missing reading (NaN) is no failure.
std::optional<Failure> computeOutputs(const MethodInfo& method, const UnitChoice& units,
                                      const std::vector<Input>& readInputs, bool airPressureAssumed,
                                      const Elements& elements, ResultArrays& results,
                                      bool raiseErrors) {
    constexpr std::size_t kRun = 512;
    std::vector<std::vector<double>> inputColumns(readInputs.size(), std::vector<double>(kRun));
    const std::vector<double> standardPressure(kRun, kStandardAirPressure);
    std::array<std::vector<double>, kMaxOutputs> outputColumns;
    ElementColumns columns;
    // Only the outputs chosen are written.
    for (const std::size_t output : results.chosen) {
        outputColumns[output].resize(kRun);
        columns.outputs[output] = outputColumns[output].data();
    }
    for (std::size_t k = 0; k < readInputs.size(); ++k) {
        columns.inputs[static_cast<std::size_t>(readInputs[k])] = inputColumns[k].data();
    }
    if (airPressureAssumed) {
        columns.inputs[static_cast<std::size_t>(Input::AirPressure)] = standardPressure.data();
    }
    std::array<bool, kRun> computed{};
    std::optional<Failure> failure;
    ElementWalk(elements.shape, elements.arrays).runRows([&](const ElementWalk::Row& row) {
        const auto length = static_cast<std::size_t>(row.length);
        for (std::size_t first = 0; first < length; first += kRun) {
            const std::size_t count = std::min(kRun, length - first);
            for (std::size_t k = 0; k < readInputs.size(); ++k) {
                const char* start =
                    row.starts[k] + static_cast<std::ptrdiff_t>(first) * row.steps[k];
                // Copied, not cast: an array's elements need not be aligned.
                if (row.steps[k] == sizeof(double)) {
                    std::memcpy(inputColumns[k].data(), start, count * sizeof(double));
                } else {
                    for (std::size_t i = 0; i < count; ++i) {
                        std::memcpy(&inputColumns[k][i],
                                    start + static_cast<std::ptrdiff_t>(i) * row.steps[k],
                                    sizeof(double));
                    }
                }
            }
            calculateOutputs(method.method, units, count, columns,
                             std::span(computed).first(count));
            const std::size_t index = row.index + first;
            for (std::size_t k = 0; k < results.chosen.size(); ++k) {
                std::memcpy(results.data[k] + index, outputColumns[results.chosen[k]].data(),
                            count * sizeof(double));
            }
            for (std::size_t i = 0; raiseErrors && i < count; ++i) {
                if (computed[i]) {
                    continue;
                }
                InputNumbers numbers;
                bool missing = false;
                for (const Input input : method.inputs) {
                    const double number = columns.inputs[static_cast<std::size_t>(input)][i];
                    missing = missing || std::isnan(number);
                    numbers.set(input, number);
                }
                if (!missing) {
                    failure = Failure{index + i, reasonOf(calculate(method.method, numbers, units,
                                                                    Judging::OutputsOnly),
                                                          numbers)};
                    return false;
                }
            }
        }
        return true;
    });
    return failure;
}

// A calculation's loop. It gives back a dict: "keys" and "arrays", the unit id and values of
// each output chosen, and "method", the id of the method the inputs chose; with `judge`, also
// "notes", "risks" and "reasons", a code per element: a note code 0 for none, else 1 + the place
// of the element's note line among "note_lines"; a risk code 0 for none, else 1 + the risk's
// place in its enumeration; a reason code likewise among "reason_lines", 0 where the element has
// a result.
py::dict calculateArrays(const std::string& calculationId, const py::dict& keywordInputs,
                         const std::string& unit, const std::string& pressureUnit,
                         const std::string& speedUnit, const std::string& elevationUnit,
                         const std::string& formula, bool oldFormula,
                         const std::optional<std::vector<std::string>>& to, bool raiseErrors,
                         bool judge) {
    const CalculationInfo* calculation = nullptr;
    for (const CalculationInfo& info : calculations()) {
        calculation = info.id == calculationId ? &info : calculation;
    }
    if (calculation == nullptr) {
        throw std::invalid_argument("no calculation is named " + calculationId);
    }
    const std::string name = functionName(*calculation);

    GivenInputs given{};
    std::array<std::optional<Array>, kInputCount> givenArrays;
    for (const auto& [keyword, array] : keywordInputs) {
        const auto key = keyword.cast<std::string>();
        const std::span<const InputInfo> known = inputs();
        const auto found = std::find_if(known.begin(), known.end(), [&](const InputInfo& input) {
            return keywordOf(input.input) == key;
        });
        if (found == known.end()) {
            throw py::type_error(name + "() got an unexpected keyword argument '" + key + "'");
        }
        const auto i = static_cast<std::size_t>(found->input);
        given[i] = true;
        givenArrays[i] = array.cast<Array>();
    }

    const std::optional<References> formulas = findFormulas(formula);
    if (!formulas) {
        throw std::invalid_argument("formula: '" + formula + "' is no formula of " + name + " (" +
                                    formulaNames(*calculation) + ")");
    }
    const MethodChoice choice = chooseMethod(
        *calculation, given, oldFormula ? formulas->with(Reference::OldWindChill) : *formulas);
    if (choice.method == nullptr && choice.sameInputs != nullptr) {
        throw std::invalid_argument("formula " + formula + " does not apply to " + name + " with " +
                                    keywordSet(*choice.sameInputs) + " (" +
                                    formulaNames(*calculation) + " are its formulas)");
    }
    if (choice.method == nullptr) {
        std::string sets;
        for (const MethodInfo& method : calculation->methods) {
            // Whole lines compared: one set may begin another.
            const std::string set = "\n  " + keywordSet(method);
            sets += (sets + "\n").find(set + "\n") == std::string::npos ? set : "";
        }
        throw py::type_error(name + "() takes one of these sets of inputs:" + sets);
    }
    const MethodInfo& method = *choice.method;
    UnitChoice units = unitChoice(unit, pressureUnit, speedUnit, elevationUnit);
    // An air pressure not given is the standard one, the same for every element.
    std::vector<Input> readInputs;
    for (const Input input : method.inputs) {
        if (input != Input::AirPressure || !choice.airPressureAssumed) {
            readInputs.push_back(input);
        }
    }
    if (choice.airPressureAssumed) {
        units.pressure = PressureUnit::Hectopascals;
    }

    const std::vector<std::string> ids = outputIds(*calculation);
    std::vector<Array> read;
    for (const Input input : readInputs) {
        read.push_back(*givenArrays[static_cast<std::size_t>(input)]);
    }
    const Elements elements = elementsOf(read);
    ResultArrays results(
        ids,
        chosenOutputs(to, ids.size(),
                      [&](const std::string& typed) { return outputIndex(*calculation, typed); }),
        elements.shape);
    if (!judge) {
        std::optional<Failure> failure;
        {
            py::gil_scoped_release released;
            failure = computeOutputs(method, units, readInputs, choice.airPressureAssumed, elements,
                                     results, raiseErrors);
        }
        if (failure) {
            raise(name, elements.shape, *failure);
        }
        py::dict outcome;
        outcome["keys"] = results.keys;
        outcome["arrays"] = results.list();
        outcome["method"] = method.id;
        return outcome;
    }
    CodeArray<std::uint32_t> noteCodes(true, elements.shape);
    CodeArray<std::uint8_t> riskCodes(true, elements.shape);
    Reasons reasons(true, elements.shape);
    LineCodes noteLines;
    const NumberLocale plain = plainNumberLocale();

    const auto writeResult = [&](std::size_t index, Calculated& calculated) {
        results.write(index, &calculated.values);
        calculated.airPressureAssumed = choice.airPressureAssumed;
        noteCodes.data[index] = noteLines.codeOf(noteLine(calculated, plain));
        riskCodes.data[index] =
            static_cast<std::uint8_t>(calculated.risk ? 1 + static_cast<int>(*calculated.risk) : 0);
        reasons.write(index, [] { return std::string(); });
    };
    const auto writeNone = [&](std::size_t index, auto&& reason) {
        results.write(index, static_cast<const OutputValues*>(nullptr));
        noteCodes.data[index] = 0;
        riskCodes.data[index] = 0;
        reasons.write(index, reason);
    };

    // Elements are computed in blocks, which the engine guards as a whole; a missing reading
    // (NaN) is no element of a block.
    constexpr std::size_t kBlock = 256;
    std::vector<InputNumbers> block(kBlock);
    std::vector<std::size_t> places(kBlock);
    std::vector<Outcome<Calculated>> outcomes(kBlock);
    std::size_t pending = 0;
    std::optional<Failure> failure;
    // Computes the pending elements; false at the first that fails under errors="raise".
    const auto computeBlock = [&] {
        calculate(method.method, std::span(block).first(pending), units,
                  std::span(outcomes).first(pending));
        for (std::size_t j = 0; j < pending; ++j) {
            if (auto* calculated = std::get_if<Calculated>(&outcomes[j])) {
                writeResult(places[j], *calculated);
            } else if (raiseErrors) {
                failure = Failure{places[j], reasonOf(outcomes[j], block[j])};
                return false;
            } else {
                writeNone(places[j], [&] { return reasonOf(outcomes[j], block[j]); });
            }
        }
        pending = 0;
        return true;
    };
    {
        py::gil_scoped_release released;
        ElementWalk(elements.shape, elements.arrays)
            .run([&](std::size_t index, std::span<const double> values) {
                const auto missing = std::find_if(values.begin(), values.end(),
                                                  [](double value) { return std::isnan(value); });
                if (missing != values.end()) {
                    writeNone(index, [&] {
                        return missingReading(keywordOf(readInputs[missing - values.begin()]));
                    });
                    return true;
                }
                for (std::size_t k = 0; k < values.size(); ++k) {
                    block[pending].set(readInputs[k], values[k]);
                }
                if (choice.airPressureAssumed) {
                    block[pending].set(Input::AirPressure, kStandardAirPressure);
                }
                places[pending++] = index;
                return pending < kBlock || computeBlock();
            });
        if (!failure && pending > 0) {
            computeBlock();
        }
    }
    if (failure) {
        raise(name, elements.shape, *failure);
    }
    py::dict outcome;
    outcome["keys"] = results.keys;
    outcome["arrays"] = results.list();
    outcome["method"] = method.id;
    outcome["notes"] = noteCodes.array;
    outcome["note_lines"] = noteLines.lines();
    outcome["risks"] = riskCodes.array;
    reasons.put(outcome);
    return outcome;
}

// A conversion's loop: a dict of "keys" and "arrays", as a calculation's, and with `judge`
// "reasons" and "reason_lines", as a calculation's.
py::dict convertArrays(const std::string& quantityId, const Array& values, const std::string& unit,
                       const std::optional<std::vector<std::string>>& to, bool raiseErrors,
                       bool judge) {
    const Quantity* quantity = findQuantity(quantityId);
    if (quantity == nullptr) {
        std::string ids;
        for (const Quantity* known : quantities()) {
            ids += ids.empty() ? "" : ", ";
            ids += known->id;
        }
        throw std::invalid_argument("'" + quantityId + "' is no quantity (" + ids + ")");
    }
    const std::size_t from = unitIndex(*quantity, unit, "unit");
    const std::vector<std::string> ids = unitIds(*quantity);
    const Elements elements = elementsOf({values});
    ResultArrays results(
        ids,
        chosenOutputs(to, ids.size(),
                      [&](const std::string& typed) { return unitIndex(*quantity, typed, "to"); }),
        elements.shape);
    Reasons reasons(judge, elements.shape);

    std::optional<Failure> failure;
    {
        py::gil_scoped_release released;
        std::vector<double> converted(ids.size());
        const ElementWalk walk(elements.shape, elements.arrays);
        walk.run([&](std::size_t index, std::span<const double> input) {
            const double value = input.front();
            if (std::isnan(value)) {
                results.write(index, static_cast<const std::vector<double>*>(nullptr));
                reasons.write(index, [] { return missingReading("value"); });
                return true;
            }
            const auto outcome = convert(*quantity, from, value, converted);
            if (std::holds_alternative<std::span<double>>(outcome)) {
                results.write(index, &converted);
                reasons.write(index, [] { return std::string(); });
                return true;
            }
            const auto reason = [&] {
                const auto* fault = std::get_if<InputFault>(&outcome);
                return fault == nullptr ? std::string(kComputationFault) : reasonOf(*fault, value);
            };
            if (raiseErrors) {
                failure = Failure{index, reason()};
                return false;
            }
            results.write(index, static_cast<const std::vector<double>*>(nullptr));
            reasons.write(index, reason);
            return true;
        });
    }
    if (failure) {
        raise("convert " + std::string(quantity->id), elements.shape, *failure);
    }
    py::dict outcome;
    outcome["keys"] = results.keys;
    outcome["arrays"] = results.list();
    if (judge) {
        reasons.put(outcome);
    }
    return outcome;
}

// The place of each direction's compass point among compassPoints(), as nimbaro-calc
// wind-direction finds it; -1 where there is none (a NaN or None: a missing reading, -2).
// Directions are numbers of degrees or texts (compass points or numbers), one element each.
py::array_t<std::int8_t> compassPointArray(const py::array& directions, bool raiseErrors) {
    constexpr std::int8_t kNone = -1;
    constexpr std::int8_t kMissing = -2;
    const std::vector<std::ptrdiff_t> shape(directions.shape(),
                                            directions.shape() + directions.ndim());
    const py::array flat = directions.attr("ravel")();
    py::array_t<std::int8_t> points(shape);
    std::int8_t* data = points.mutable_data();
    const auto placeOf = [](std::optional<std::size_t> point) {
        return point ? static_cast<std::int8_t>(*point) : kNone;
    };
    if (directions.dtype().kind() == 'f' || directions.dtype().kind() == 'i' ||
        directions.dtype().kind() == 'u') {
        const auto degrees =
            flat.cast<py::array_t<double, py::array::c_style | py::array::forcecast>>();
        const double* values = degrees.data();
        py::gil_scoped_release released;
        for (py::ssize_t i = 0; i < degrees.size(); ++i) {
            data[i] = std::isnan(values[i]) ? kMissing : placeOf(compassPointOfDegrees(values[i]));
        }
    } else {
        const NumberLocale plain = plainNumberLocale();
        for (py::ssize_t i = 0; i < flat.size(); ++i) {
            const py::object item = flat.attr("item")(i);
            const bool missing = item.is_none() || (py::isinstance<py::float_>(item) &&
                                                    std::isnan(item.cast<double>()));
            data[i] = missing ? kMissing
                              : placeOf(compassPointOf(py::str(item).cast<std::string>(), plain));
        }
    }
    if (raiseErrors) {
        std::int8_t* end = data + points.size();
        std::int8_t* none = std::find(data, end, kNone);
        if (none != end) {
            const auto index = static_cast<std::size_t>(none - data);
            raise("wind_direction", shape,
                  Failure{index,
                          "direction=" + py::repr(flat.attr("item")(index)).cast<std::string>() +
                              " " + std::string(kNoCompassPoint)});
        }
    }
    return points;
}

py::list compassPointList() {
    py::list list;
    for (const CompassPoint& point : compassPoints()) {
        list.append(
            py::make_tuple(point.abbreviation, point.name, point.from, point.midPoint, point.to));
    }
    return list;
}

// The number forms of results: plain for no locale, else the locale named ("" for the one of
// the environment), as nimbaro-calc --locale shows them.
NumberLocale numberLocale(const std::optional<std::string>& name, bool grouping) {
    NumberLocale locale = plainNumberLocale();
    if (name) {
        const std::optional<NumberLocale> named = systemNumberLocale(*name);
        if (!named) {
            throw std::invalid_argument(
                "locale: '" + *name +
                "' is no locale this machine has; locale -a lists those it has, and localedef "
                "makes one (localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
        }
        locale = *named;
    }
    if (!grouping) {
        locale.groupSeparator.clear();
    }
    return locale;
}

// The text of each value as a result shows it; an empty text where a value cannot be shown
// (NaN: no result).
py::array textArray(const Array& values, int decimals, const std::optional<std::string>& locale,
                    bool grouping) {
    constexpr int kMostDecimals = 15;
    if (decimals < 0 || decimals > kMostDecimals) {
        throw std::invalid_argument("decimals: " + std::to_string(decimals) +
                                    " is not within 0 to " + std::to_string(kMostDecimals));
    }
    const NumberLocale shown = numberLocale(locale, grouping);
    const Elements elements = elementsOf({values});
    py::array texts(py::dtype("object"), elements.shape);
    auto** items = static_cast<PyObject**>(texts.mutable_data());
    ElementWalk(elements.shape, elements.arrays)
        .run([&](std::size_t index, std::span<const double> value) {
            const std::string text =
                isShowable(value.front()) ? resultText(value.front(), decimals, shown) : "";
            PyObject* item =
                PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
            if (item == nullptr) {
                throw py::error_already_set();
            }
            Py_XDECREF(items[index]);
            items[index] = item;
            return true;
        });
    return texts;
}

// A unit for a person and for the package: its id, proper name, symbol and every other spelling
// it is known by.
py::dict unitInfo(const Unit& unit) {
    py::dict info;
    info["id"] = unit.id;
    info["name"] = unit.name;
    info["symbol"] = unit.symbol;
    info["label"] = unit.label;
    info["synonyms"] = std::vector<std::string_view>(unit.synonyms.begin(), unit.synonyms.end());
    return info;
}

py::list unitInfos(const Quantity& quantity) {
    py::list units;
    for (const Unit& unit : quantity.units) {
        units.append(unitInfo(unit));
    }
    return units;
}

// The categories a method's risk rule gives, the least severe first, and whose they are.
std::pair<std::vector<std::string_view>, std::string_view> riskCategories(
    const std::optional<RiskRule>& rule) {
    const auto names = [](Risk first, Risk last) {
        std::vector<std::string_view> names;
        for (auto i = static_cast<int>(first); i <= static_cast<int>(last); ++i) {
            names.push_back(riskName(static_cast<Risk>(i)));
        }
        return names;
    };
    if (!rule) {
        return {};
    }
    switch (rule->scale) {
        case RiskScale::HeatIndex:
            return {names(Risk::Caution, Risk::ExtremeDanger),
                    "the heat index categories of the US National Weather Service"};
        case RiskScale::Humidex:
            return {names(Risk::LittleDiscomfort, Risk::DangerousHumidex),
                    "the humidex degrees of comfort of Environment and Climate Change Canada"};
        case RiskScale::Beaufort:
            return {names(Risk::Calm, Risk::HurricaneForce),
                    "the WMO's descriptions of the Beaufort forces"};
        case RiskScale::WindChill:
            break;
    }
    return {names(Risk::LowRisk, Risk::ExtremeRisk),
            "the wind chill categories of Environment and Climate Change Canada"};
}

py::dict methodInfoOf(const MethodInfo& method) {
    py::dict info;
    info["id"] = method.id;
    info["name"] = method.name;
    info["keywords"] = keywordSet(method);
    info["formula"] = formulaName(method.references);
    info["formula_text"] = formulaText(method.method);
    info["old_formula"] = method.references.uses(Reference::OldWindChill);
    py::list references;
    for (const ReferenceInfo& reference : referenceFormulas()) {
        if (method.references.uses(reference.reference)) {
            references.append(reference.id);
        }
    }
    info["references"] = references;
    py::list checks;
    for (const Check& check : method.checks) {
        if (check.rule != Rule::Number) {
            checks.append(py::make_tuple(keywordOf(check.input), ruleText(check.rule)));
        }
    }
    info["checks"] = checks;
    py::list notes;
    for (const NoteRule& rule : method.notes) {
        notes.append(noteText(rule.note));
    }
    info["notes"] = notes;
    const auto [risks, riskSource] = riskCategories(method.risk);
    info["risks"] = risks;
    info["risk_source"] = riskSource;
    if (method.comparedWith) {
        py::dict compared;
        compared["name"] = method.comparedWith->name;
        compared["tolerance"] = method.comparedWith->tolerance;
        compared["unit"] = method.comparedWith->output.unit().id;
        info["compared_with"] = compared;
    } else {
        info["compared_with"] = py::none();
    }
    return info;
}

py::list calculationList() {
    py::list list;
    for (const CalculationInfo& calculation : calculations()) {
        py::list keywords;
        for (const InputInfo& input : inputs()) {
            if (readsAny(calculation, {input.input})) {
                keywords.append(keywordOf(input.input));
            }
        }
        py::dict info;
        info["id"] = calculation.id;
        info["function"] = functionName(calculation);
        info["alias"] = pythonName(calculation.id);
        info["name"] = calculation.name;
        info["keywords"] = keywords;
        info["temperatures"] = readsAny(calculation, inputsTypedIn(temperatureQuantity()));
        info["pressure"] = readsAny(calculation, inputsTypedIn(airPressureQuantity()));
        info["wind_speed"] = readsAny(calculation, inputsTypedIn(windSpeedQuantity()));
        info["elevation"] = readsAny(calculation, inputsTypedIn(lengthQuantity()));
        info["in_windows"] = calculation.inWindows;
        info["assumes_air_pressure"] = calculation.assumesAirPressure;
        info["old_formula"] = usesFormula(calculation, Reference::OldWindChill);
        py::list methods;
        for (const auto group : {calculation.methods, calculation.references}) {
            for (const MethodInfo& method : group) {
                methods.append(methodInfoOf(method));
            }
        }
        info["methods"] = methods;
        info["formulas"] = formulaNames(calculation);
        info["outputs"] = outputIds(calculation);
        py::list outputUnits;
        for (const UnitRef& output : calculation.outputs) {
            outputUnits.append(unitInfo(output.unit()));
        }
        info["output_units"] = outputUnits;
        info["decimals"] = calculation.decimals;
        list.append(info);
    }
    return list;
}

py::list quantityList() {
    py::list list;
    for (const Quantity* quantity : quantities()) {
        py::dict info;
        info["id"] = quantity->id;
        info["function"] = "convert_" + pythonName(quantity->id);
        info["name"] = quantity->name;
        info["units"] = unitIds(*quantity);
        info["unit_details"] = unitInfos(*quantity);
        info["decimals"] = quantity->decimals;
        list.append(info);
    }
    return list;
}

// Every input keyword of the calculations: what it is a reading of, the keyword naming its unit
// (None where it is read in one unit) and every unit of its quantity.
py::list inputList() {
    py::list list;
    for (const InputInfo& input : inputs()) {
        if (!input.unit) {
            continue;
        }
        const Quantity& quantity = input.unit->quantity();
        const char* unitKeyword = unitKeywordOf(quantity);
        py::dict info;
        info["keyword"] = keywordOf(input.input);
        info["description"] = input.description;
        info["quantity"] = quantity.id;
        info["unit_keyword"] =
            unitKeyword == nullptr ? py::object(py::none()) : py::str(unitKeyword);
        info["units"] = unitInfos(quantity);
        list.append(info);
    }
    return list;
}

// The id of the unit of a quantity (a conversion's, or the relative humidity) named by any of
// its spellings; `where` says where it was named, for the error.
std::string unitId(const std::string& quantityId, const std::string& typed,
                   const std::string& where) {
    const Quantity* quantity = findQuantity(quantityId);
    if (quantity == nullptr && quantityId == relativeHumidityQuantity().id) {
        quantity = &relativeHumidityQuantity();
    }
    if (quantity == nullptr) {
        throw std::invalid_argument("'" + quantityId + "' is no quantity");
    }
    return std::string(quantity->units[unitIndex(*quantity, typed, where)].id);
}

py::list referenceList() {
    py::list list;
    for (const ReferenceInfo& reference : referenceFormulas()) {
        py::dict info;
        info["id"] = reference.id;
        info["name"] = reference.name;
        info["source"] = reference.source;
        list.append(info);
    }
    return list;
}

// The text of every value of an enumeration, from the first to `last`.
template <typename Kind>
py::list textsOf(std::string_view (*text)(Kind), Kind last) {
    py::list texts;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(last); ++i) {
        texts.append(text(static_cast<Kind>(i)));
    }
    return texts;
}

}  // namespace
}  // namespace nimbaro::python

PYBIND11_MODULE(_engine, module) {
    using namespace nimbaro;
    using namespace nimbaro::python;
    module.doc() = "The engine of nimbaro: loops over arrays of doubles, in C++ without the GIL";
    module.def("calculate", &calculateArrays, py::arg("calculation"), py::arg("inputs"),
               py::arg("unit"), py::arg("pressure_unit"), py::arg("speed_unit"),
               py::arg("elevation_unit"), py::arg("formula"), py::arg("old_formula"), py::arg("to"),
               py::arg("raise_errors"), py::arg("judge"));
    module.def("convert", &convertArrays, py::arg("quantity"), py::arg("values"), py::arg("unit"),
               py::arg("to"), py::arg("raise_errors"), py::arg("judge"));
    module.def("text", &textArray, py::arg("values"), py::arg("decimals"), py::arg("locale"),
               py::arg("grouping"));
    module.def("compass_point_places", &compassPointArray, py::arg("directions"),
               py::arg("raise_errors"));
    module.def("compass_points", &compassPointList);
    module.def("calculations", &calculationList);
    module.def("quantities", &quantityList);
    module.def("inputs", &inputList);
    module.def("unit_id", &unitId, py::arg("quantity"), py::arg("typed"), py::arg("where"));
    module.def("reference_formulas", &referenceList);
    module.def("risk_names", [] { return textsOf(&riskName, kLastRisk); });
    module.attr("no_compass_point") = std::string(kNoCompassPoint);
    module.attr("standard_air_pressure") = kStandardAirPressure;
}
