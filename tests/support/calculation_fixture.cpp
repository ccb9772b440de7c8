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
};

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

std::vector<QString> CalculationFixture::outputs() {
    return texts(window_, outputNames(windowName_));
}

std::vector<const char*> CalculationFixture::outputNames(const char* windowName) {
    if (std::strcmp(windowName, "frmHumidity") == 0) {
        return {"lblHumidity"};
    }
    return {"lblCelsius", "lblFahrenheit", "lblKelvin"};
}

}  // namespace nimbaro::test
