#include <QSignalSpy>
#include <map>
#include <memory>

#include "calculation_fixture.h"
#include "output_label.h"

// A screen reader hears each result once per click, and hears its final text.
namespace nimbaro::test {
namespace {

class ResultWriting : public CalculationFixture {
  protected:
    // Listens to every result label of the window from now on.
    void listen(QWidget* window) {
        for (OutputLabel* label : window->findChildren<OutputLabel*>()) {
            spies_[label->objectName()] =
                std::make_unique<QSignalSpy>(label, &OutputLabel::valueChanged);
        }
    }

    // The values each label announced, for the labels that announced any.
    std::map<QString, QStringList> announced() const {
        std::map<QString, QStringList> values;
        for (const auto& [name, spy] : spies_) {
            for (const QList<QVariant>& change : *spy) {
                values[name] << change.front().toString();
            }
        }
        return values;
    }

    std::map<QString, std::unique_ptr<QSignalSpy>> spies_;
};

TEST_F(ResultWriting, AConversionWritesEachResultOnce) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    click(window, "optCelsius");
    type(window, "txtInTemp", "100");
    listen(window);
    click(window, "cmdConvert");
    EXPECT_EQ(announced(), (std::map<QString, QStringList>{{"lblCelsius", {"100.00000"}},
                                                           {"lblFahrenheit", {"212.00000"}},
                                                           {"lblKelvin", {"373.15000"}}}));
}

TEST_F(ResultWriting, ACalculationWritesEachResultOnce) {
    listen(launchCalculation("frmDewPoint"));
    calculate({{"txtAirTemp", "20"}, {"txtHumidity", "50"}});
    EXPECT_EQ(announced(), (std::map<QString, QStringList>{{"lblCelsius", {"9.25352"}},
                                                           {"lblFahrenheit", {"48.65634"}},
                                                           {"lblKelvin", {"282.40352"}}}));
}

}  // namespace
}  // namespace nimbaro::test
