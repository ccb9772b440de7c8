#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calculation_forms.h"
#include "calculation_window.h"
#include "locale_bridge.h"
#include "message_catcher.h"
#include "number_text.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

std::multiset<Method> methodsOf(const CalculationForm& form) {
    std::multiset<Method> methods;
    for (const auto& option : form.methods) {
        methods.insert(option.method);
    }
    return methods;
}

std::multiset<Input> inputsOf(const CalculationForm& form) {
    std::multiset<Input> inputs;
    for (const auto& row : form.inputs) {
        inputs.insert(row.input);
    }
    return inputs;
}

// The calculations whose methods the form offers.
std::set<Calculation> calculationsOf(const CalculationForm& form) {
    std::set<Calculation> calculations;
    for (const auto& option : form.methods) {
        calculations.insert(methodInfo(option.method).calculation);
    }
    return calculations;
}

TEST(CalculationForms, OfferEveryMethodOfTheirCalculationOnceAndReadWhatTheyRead) {
    for (const CalculationForm* form : calculationForms()) {
        SCOPED_TRACE(form->windowName);
        std::multiset<Method> methods;
        std::set<Input> read;
        std::size_t outputs = 0;
        for (const Calculation calculation : calculationsOf(*form)) {
            for (const MethodInfo& method : calculationInfo(calculation).methods) {
                methods.insert(method.method);
                read.insert(method.inputs.begin(), method.inputs.end());
            }
            // A reference method the window offers beside them.
            for (const MethodInfo& method : calculationInfo(calculation).references) {
                if (methodsOf(*form).count(method.method) > 0) {
                    methods.insert(method.method);
                    read.insert(method.inputs.begin(), method.inputs.end());
                }
            }
            outputs = std::max(outputs, calculationInfo(calculation).outputs.size());
        }
        EXPECT_EQ(methodsOf(*form), methods);
        EXPECT_EQ(inputsOf(*form), std::multiset<Input>(read.begin(), read.end()));
        EXPECT_EQ(form->outputs.size(), outputs);
    }
}

// Every calculation the engine has a window's formula for has a window, and only one.
TEST(CalculationForms, GiveEveryCalculationOneWindow) {
    std::multiset<Calculation> offered;
    for (const CalculationForm* form : calculationForms()) {
        const std::set<Calculation> calculations = calculationsOf(*form);
        offered.insert(calculations.begin(), calculations.end());
    }
    for (const CalculationInfo& calculation : calculations()) {
        EXPECT_EQ(offered.count(calculation.calculation), 1u) << calculation.id;
    }
}

TEST(CalculationForms, UnitGroupsOfferDistinctUnitsOfOneKindForInputsOfTheForm) {
    for (const CalculationForm* form : calculationForms()) {
        SCOPED_TRACE(form->windowName);
        const std::multiset<Input> rows = inputsOf(*form);
        for (const CalculationForm::UnitGroup& group : form->unitGroups) {
            SCOPED_TRACE(group.frameName);
            ASSERT_FALSE(group.options.empty());
            std::set<UnitValue> units;
            for (const CalculationForm::UnitOption& option : group.options) {
                EXPECT_EQ(option.unit.index(), group.options.front().unit.index());
                units.insert(option.unit);
            }
            EXPECT_EQ(units.size(), group.options.size());
            EXPECT_TRUE(std::any_of(group.inputs.begin(), group.inputs.end(),
                                    [&rows](Input input) { return rows.count(input) > 0; }));
        }
    }
}

TEST(CalculationForms, NameEveryControlOnce) {
    for (const CalculationForm* form : calculationForms()) {
        SCOPED_TRACE(form->windowName);
        std::multiset<std::string_view> names = {
            "cmdCalculate", "cmdReset", "cmdOutput", "cmdBack",
            "cmdExit",      "lblNote",  "lblRisk",   form->methodFrame.name};
        for (const auto& option : form->methods) {
            names.insert(option.name);
        }
        for (const auto& group : form->unitGroups) {
            names.insert(group.frameName);
            for (const auto& option : group.options) {
                names.insert(option.name);
            }
        }
        for (const auto& row : form->inputs) {
            names.insert({row.boxName, row.labelName});
        }
        for (const auto& output : form->outputs) {
            names.insert({output.name, output.unitLabelName});
        }
        for (std::string_view name : {form->pressureNote, form->outputHeading.name}) {
            if (!name.empty()) {
                names.insert(name);
            }
        }
        for (std::string_view name : names) {
            EXPECT_EQ(names.count(name), 1u) << name;
        }
    }
}

// The heat index window with the reference formulas among its methods and a third unit group:
// a window with more of everything than the program has.
class LargerForm : public WindowFixture {
  protected:
    static CalculationForm largerForm() {
        const auto references = calculationInfo(Calculation::HeatIndex).references;
        // The form names its options by views, so the names must outlive it.
        static const std::vector<std::string> names = [&] {
            std::vector<std::string> made;
            for (std::size_t i = 1; i <= references.size(); ++i) {
                made.push_back("optReference" + std::to_string(i));
            }
            return made;
        }();
        CalculationForm form = heatIndexForm();
        for (std::size_t i = 0; i < references.size(); ++i) {
            form.methods.push_back({references[i].method, names[i], names[i]});
        }
        form.unitGroups.push_back(windSpeedUnits("frmWindSpeed"));
        return form;
    }

    const CalculationForm form_ = largerForm();
};

TEST_F(LargerForm, PlacesEveryControlApartInsideTheWindow) {
    CalculationWindow window(*registry_, form_);
    window.show();
    EXPECT_EQ(crowdedControls(&window), std::vector<QString>{});
}

// An option computes by the method it names, wherever it stands among the options.
TEST_F(LargerForm, ComputesByTheMethodTheOptionNames) {
    CalculationWindow window(*registry_, form_);
    window.show();
    const CalculationForm::MethodOption& last = form_.methods.back();
    find<QRadioButton>(&window, last.name.data())->click();
    type(&window, "txtAirTemp", "35");
    type(&window, "txtWetBulb", "28");
    type(&window, "txtAirPressure", "1013.25");
    MessageCatcher messages;
    click(&window, "cmdCalculate");

    const NumberLocale locale = currentNumberLocale();
    Readings readings(locale);
    readings.set(Input::AirTemperature, "35")
        .set(Input::WetBulb, "28")
        .set(Input::AirPressure, "1013.25");
    const auto outcome = calculate(last.method, readings, UnitChoice{});
    ASSERT_TRUE(std::holds_alternative<Calculated>(outcome));
    EXPECT_EQ(text(&window, "lblCelsius").toStdString(),
              resultText(std::get<Calculated>(outcome).values.front(), 5, locale));
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace nimbaro::test
