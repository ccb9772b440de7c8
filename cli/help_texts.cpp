#include "help_texts.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "method_choice.h"
#include "task.h"

namespace nimbaro::cli {
namespace {

// What a unit may surprise with, said in the help of its quantity.
struct UnitFootnote {
    std::string_view quantity;
    std::string_view text;
};
constexpr UnitFootnote kUnitFootnotes[] = {
    {"rainfall",
     "Points are hundredths of an inch, the unit rain gauges were read in where inches were "
     "the measure (1 point = 0.254 mm)."},
    {"mass",
     "A tonne is the metric ton of 1000 kg, not the short (2000 lb) or long (2240 lb) ton; a "
     "stone is 14 pounds."},
    {"volume",
     "Volumes are in cubic units only: a millilitre is a cubic centimetre, a litre 1000 of "
     "them; there are no gallons, US or imperial."},
    {"air-pressure",
     "Hectopascals and millibars are the same size; mm and inches of mercury as barometers "
     "read them at standard gravity and 0 °C (1 mmHg = 133.322 Pa)."},
};

// Appended piece by piece: GCC 12 at -O3 takes "x" + std::string(...) for an overlapping copy
// (-Wrestrict).
void append(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        text += piece;
    }
}

}  // namespace

std::string unitList(const Quantity& quantity) {
    std::string list;
    for (const Unit& unit : quantity.units) {
        append(list, {"\n  ", unit.name, " (", unit.symbol, "): ", unit.id});
        for (const std::string_view synonym : unit.synonyms) {
            append(list, {", ", synonym});
        }
    }
    for (const UnitFootnote& footnote : kUnitFootnotes) {
        if (footnote.quantity == quantity.id) {
            append(list, {"\n", footnote.text});
        }
    }
    return list;
}

std::string inputSet(const MethodInfo& method) {
    std::string set;
    for (const Input input : method.inputs) {
        if (!set.empty()) {
            set += ' ';
        }
        set += inputOption(input).option;
    }
    return set;
}

std::string methodList(const CalculationInfo& calculation) {
    std::string list;
    for (const MethodInfo& method : calculation.methods) {
        // Whole lines compared: one set may begin another (without and with a wind speed).
        const std::string line = "\n  " + inputSet(method);
        if ((list + "\n").find(line + "\n") == std::string::npos) {
            list += line;
        }
    }
    return list;
}

std::string formulaList(const CalculationInfo& calculation) {
    std::string list;
    for (const MethodInfo& method : calculation.references) {
        list += "\n  " + formulaName(method.references) + ": with " + inputSet(method);
    }
    for (const ReferenceInfo& formula : referenceFormulas()) {
        if (std::any_of(calculation.references.begin(), calculation.references.end(),
                        [&](const MethodInfo& method) {
                            return method.references.uses(formula.reference);
                        })) {
            append(list,
                   {"\n  ", formula.id, " is ", formula.name, "; from ", formula.source, "."});
        }
    }
    return list;
}

std::string calculationIds() {
    std::string list;
    for (const CalculationInfo& calculation : calculations()) {
        std::string sets;
        for (const MethodInfo& method : calculation.methods) {
            const std::string set = inputSet(method);
            if (sets.find(set) == std::string::npos) {
                sets += (sets.empty() ? "" : "; or ") + set;
            }
        }
        append(list, {"\n  ", calculation.id, ": ", sets});
    }
    return list;
}

}  // namespace nimbaro::cli
