#include "calculation_fixture.h"

#include <cstring>

#include "message_catcher.h"

namespace nimbaro::test {
namespace {

struct Launch {
    const char* window;
    const char* button;
};

constexpr Launch kLaunches[] = {
    {"frmHumidity", "cmdHumidityCalcs"},
    {"frmDewPoint", "cmdDewPointCalcs"},
    {"frmWetBulb", "cmdWetBulbCalcs"},
    {"frmHeatIndex", "cmdHeatIndexCalcs"},
    {"frmCloudHeight", "cmdCloudHeightCalcs"},
    {"frmWindChillCalculations", "cmdWindChillCalcs"},
    {"frmLightningDistance", "cmdLightningDistanceCalcs"},
};

struct TypicalValue {
    const char* box;
    const char* celsius;
    const char* fahrenheit;
    const char* kelvin;
};

constexpr TypicalValue kTypicalValues[] = {
    {"txtAirTemp", "20", "80", "300"}, {"txtDewPoint", "10", "60", "285"},
    {"txtWetBulb", "15", "65", "292"}, {"txtHumidity", "45", "45", "45"},
    {"txtTime", "3", "3", "3"},        {"txtInTemp", "-5", "25", "265"},
    {"txtInWind", "20", "20", "20"},
};

const char* typicalPressure(const char* pressureUnit) {
    if (pressureUnit == nullptr) {
        return "1013.25";
    }
    if (std::strcmp(pressureUnit, "optmmOfHg") == 0) {
        return "760";
    }
    return std::strcmp(pressureUnit, "optinOfHg") == 0 ? "29.92" : "1013.25";
}

}  // namespace

QWidget* CalculationFixture::launchCalculation(const char* windowName) {
    windowName_ = windowName;
    for (const Launch& launchEntry : kLaunches) {
        if (std::strcmp(launchEntry.window, windowName) == 0) {
            window_ = launch(launchEntry.button, windowName);
        }
    }
    return window_;
}

void CalculationFixture::choose(const char* optionName) {
    click(window_, optionName);
}

CalculationFixture::Click CalculationFixture::calculate(const std::vector<Entry>& entries) {
    MessageCatcher messages;
    for (const Entry& entry : entries) {
        type(window_, entry.box, QString::fromUtf8(entry.text));
    }
    click(window_, "cmdCalculate");
    return {outputs(), messages.summaries()};
}

std::vector<Entry> CalculationFixture::typicalEntries(const char* temperatureUnit,
                                                      const char* pressureUnit) {
    std::vector<Entry> entries;
    for (const TypicalValue& value : kTypicalValues) {
        auto* input = window_->findChild<QLineEdit*>(value.box);
        if (input == nullptr || !input->isEnabled()) {
            continue;
        }
        const bool fahrenheit = std::strcmp(temperatureUnit, "optFahrenheit") == 0;
        const bool kelvin = std::strcmp(temperatureUnit, "optKelvin") == 0;
        entries.push_back({value.box, fahrenheit ? value.fahrenheit
                                      : kelvin   ? value.kelvin
                                                 : value.celsius});
    }
    if (auto* pressure = window_->findChild<QLineEdit*>("txtAirPressure");
        pressure != nullptr && pressure->isEnabled()) {
        entries.push_back({"txtAirPressure", typicalPressure(pressureUnit)});
    }
    return entries;
}

std::vector<QString> CalculationFixture::outputs() {
    return texts(window_, outputNames(windowName_));
}

std::vector<const char*> CalculationFixture::outputNames(const char* windowName) {
    if (std::strcmp(windowName, "frmHumidity") == 0) {
        return {"lblHumidity"};
    }
    if (std::strcmp(windowName, "frmCloudHeight") == 0) {
        return {"lblMetres", "lblFeet"};
    }
    if (std::strcmp(windowName, "frmLightningDistance") == 0) {
        return {"lblMetres", "lblKilometres", "lblFeet", "lblMiles"};
    }
    return {"lblCelsius", "lblFahrenheit", "lblKelvin"};
}

}  // namespace nimbaro::test
