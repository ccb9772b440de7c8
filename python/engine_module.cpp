// nimbaro._engine: the engine's conversions and calculations over numpy arrays, element by
// element in C++ without the GIL, and the texts of results as the windows show them. The
// package nimbaro around it takes Python's types in and gives them back.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "calculations.h"
#include "element_walk.h"
#include "method_choice.h"
#include "number_text.h"
#include "quantities.h"
#include "system_locale.h"
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

std::string functionName(const CalculationInfo& calculation) {
    return identifierOf(calculation.id);
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

// The distinct note lines of a loop's elements, each a code: 0 for none, else 1 + its place
// in `lines`. Elements with the same notes share one text.
class NoteLines {
  public:
    std::uint32_t codeOf(const Calculated& calculated) {
        std::string line = noteLine(calculated, plain_);
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
    NumberLocale plain_ = plainNumberLocale();
    std::unordered_map<std::string, std::uint32_t> codes_;
    std::vector<std::string> lines_;
};

// What a calculation's loop gives back: (keys, arrays, note codes, note lines, risk codes); a
// note code is 0 for none, else 1 + the place of the element's note line among the lines; a
// risk code 0 for none, else 1 + the risk's place in its enumeration.
py::tuple calculateArrays(const std::string& calculationId, const py::dict& keywordInputs,
                          const std::string& unit, const std::string& pressureUnit,
                          const std::string& speedUnit, const std::string& formula, bool oldFormula,
                          const std::optional<std::vector<std::string>>& to, bool raiseErrors,
                          bool notes) {
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
            const std::string set = "\n  " + keywordSet(method);
            sets += sets.find(set) == std::string::npos ? set : "";
        }
        throw py::type_error(name + "() takes one of these sets of inputs:" + sets);
    }
    const MethodInfo& method = *choice.method;
    UnitChoice units = unitChoice(unit, pressureUnit, speedUnit);
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
    py::array_t<std::uint32_t> noteCodes(notes ? elements.shape : std::vector<std::ptrdiff_t>{0});
    py::array_t<std::uint8_t> riskCodes(notes ? elements.shape : std::vector<std::ptrdiff_t>{0});
    std::uint32_t* noteData = noteCodes.mutable_data();
    std::uint8_t* riskData = riskCodes.mutable_data();
    NoteLines noteLines;
    const Judging judging = notes ? Judging::Notes : Judging::OutputsOnly;

    // Elements are computed in blocks, which the engine guards as a whole; a missing reading
    // (NaN) is no element of a block.
    constexpr std::size_t kBlock = 256;
    std::vector<InputNumbers> block(kBlock);
    std::vector<std::size_t> places(kBlock);
    std::vector<Outcome<Calculated>> outcomes(kBlock);
    std::size_t pending = 0;
    std::optional<Failure> failure;
    const auto write = [&](std::size_t index, Calculated* calculated) {
        results.write(index, calculated != nullptr ? &calculated->values : nullptr);
        if (notes) {
            noteData[index] = 0;
            riskData[index] = 0;
            if (calculated != nullptr) {
                calculated->airPressureAssumed = choice.airPressureAssumed;
                noteData[index] = noteLines.codeOf(*calculated);
                riskData[index] = static_cast<std::uint8_t>(
                    calculated->risk ? 1 + static_cast<int>(*calculated->risk) : 0);
            }
        }
    };
    // Computes the pending elements; false at the first that fails under errors="raise".
    const auto computeBlock = [&] {
        calculate(method.method, std::span(block).first(pending), units,
                  std::span(outcomes).first(pending), judging);
        for (std::size_t j = 0; j < pending; ++j) {
            auto* calculated = std::get_if<Calculated>(&outcomes[j]);
            if (calculated == nullptr && raiseErrors) {
                const auto* fault = std::get_if<InputFault>(&outcomes[j]);
                failure =
                    Failure{places[j], fault == nullptr ? kComputationFault
                                                        : reasonOf(*fault, block[j][fault->input])};
                return false;
            }
            write(places[j], calculated);
        }
        pending = 0;
        return true;
    };
    {
        py::gil_scoped_release released;
        ElementWalk(elements.shape, elements.arrays)
            .run([&](std::size_t index, std::span<const double> values) {
                if (std::any_of(values.begin(), values.end(),
                                [](double value) { return std::isnan(value); })) {
                    write(index, nullptr);
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
    return py::make_tuple(results.keys, results.list(), notes ? py::object(noteCodes) : py::none(),
                          noteLines.lines(), notes ? py::object(riskCodes) : py::none());
}

// A conversion's loop: (keys, arrays).
py::tuple convertArrays(const std::string& quantityId, const Array& values, const std::string& unit,
                        const std::optional<std::vector<std::string>>& to, bool raiseErrors) {
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

    std::optional<Failure> failure;
    {
        py::gil_scoped_release released;
        std::vector<double> converted(ids.size());
        const ElementWalk walk(elements.shape, elements.arrays);
        walk.run([&](std::size_t index, std::span<const double> input) {
            const double value = input.front();
            const auto outcome =
                std::isnan(value)
                    ? Outcome<std::span<double>>(InputFault{Input::Value, Rule::Number})
                    : convert(*quantity, from, value, converted);
            const bool done = std::holds_alternative<std::span<double>>(outcome);
            if (!done && raiseErrors && !std::isnan(value)) {
                const auto* fault = std::get_if<InputFault>(&outcome);
                failure =
                    Failure{index, fault == nullptr ? kComputationFault : reasonOf(*fault, value)};
                return false;
            }
            results.write(index, done ? &converted : nullptr);
            return true;
        });
    }
    if (failure) {
        raise("convert " + std::string(quantity->id), elements.shape, *failure);
    }
    return py::make_tuple(results.keys, results.list());
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
        info["name"] = calculation.name;
        info["keywords"] = keywords;
        info["temperatures"] = readsAny(calculation, inputsTypedIn(temperatureQuantity()));
        info["pressure"] = readsAny(calculation, inputsTypedIn(airPressureQuantity()));
        info["wind_speed"] = readsAny(calculation, inputsTypedIn(windSpeedQuantity()));
        info["old_formula"] = usesFormula(calculation, Reference::OldWindChill);
        py::list methods;
        for (const auto group : {calculation.methods, calculation.references}) {
            for (const MethodInfo& method : group) {
                py::dict choice;
                choice["keywords"] = keywordSet(method);
                choice["formula"] = formulaName(method.references);
                choice["old_formula"] = method.references.uses(Reference::OldWindChill);
                methods.append(choice);
            }
        }
        info["methods"] = methods;
        info["formulas"] = formulaNames(calculation);
        info["outputs"] = outputIds(calculation);
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
        info["name"] = quantity->name;
        info["units"] = unitIds(*quantity);
        info["decimals"] = quantity->decimals;
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
               py::arg("unit"), py::arg("pressure_unit"), py::arg("speed_unit"), py::arg("formula"),
               py::arg("old_formula"), py::arg("to"), py::arg("raise_errors"), py::arg("notes"));
    module.def("convert", &convertArrays, py::arg("quantity"), py::arg("values"), py::arg("unit"),
               py::arg("to"), py::arg("raise_errors"));
    module.def("text", &textArray, py::arg("values"), py::arg("decimals"), py::arg("locale"),
               py::arg("grouping"));
    module.def("compass_point_places", &compassPointArray, py::arg("directions"),
               py::arg("raise_errors"));
    module.def("compass_points", &compassPointList);
    module.def("calculations", &calculationList);
    module.def("quantities", &quantityList);
    module.def("risk_names", [] { return textsOf(&riskName, Risk::ExtremeRisk); });
}
