#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "quantities.h"
#include "twips.h"

namespace nimbaro {

// The controls of one conversion window: names, captions, tooltips and places. The quantity
// it converts, with its units' names, comes from the engine; the window is the same for every
// quantity.
struct ConversionForm {
    struct Option {
        std::string_view name;
        std::string_view caption;
        std::string_view tooltip;
        TwipRect rect;  // window coordinates
    };
    struct Output {
        std::string_view name;
        std::string_view tooltip;
        TwipRect rect;
        std::string_view unitLabelName;  // the label beside it shows its unit's name
        TwipPoint unitLabelPosition;
    };
    struct Button {
        std::string_view tooltip;
        TwipPoint position;
    };
    struct Note {
        std::string_view name;
        std::string_view text;
        TwipRect rectInFrame;  // a width wraps the text to it
        bool bold = false;
    };

    const Quantity& quantity;
    std::string_view windowName;
    std::string_view title;
    TwipSize clientSize;
    TwipRect frame;
    std::string_view frameTooltip;
    // One per unit of the quantity, in its order: the order the convert button tests them,
    // which is also their tab order.
    std::vector<Option> options;
    // The option the load step sets; a window without a load step gets its unit from the
    // focus rule (the first option in the tab order becomes selected when it takes focus).
    int loadStepOption = -1;
    std::string_view inputName;
    TwipRect input;
    Button convert;
    Button reset;
    Button output;
    TwipPoint back;
    TwipPoint exit;
    std::vector<Note> notes;      // captions inside the frame
    std::vector<Output> outputs;  // one per unit, in its order
};

const ConversionForm& temperatureForm();
const ConversionForm& lengthForm();
const ConversionForm& areaForm();
const ConversionForm& volumeForm();
const ConversionForm& massForm();
const ConversionForm& timeForm();
const ConversionForm& rainfallForm();
const ConversionForm& windSpeedForm();
const ConversionForm& airPressureForm();

// Every form above, one per conversion window.
std::span<const ConversionForm* const> conversionForms();

}  // namespace nimbaro
