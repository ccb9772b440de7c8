#pragma once

#include <string_view>
#include <vector>

#include "cell_expression.h"
#include "twips.h"

namespace nimbaro {

// Everything that makes one conversion window: its layout, its texts and its arithmetic.
// The window itself is the same for every quantity; a quantity is one of these tables.
struct ConversionTable {
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
        std::string_view unitLabelName;
        std::string_view unitLabelText;
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
    };

    std::string_view windowName;
    std::string_view title;
    TwipSize clientSize;
    TwipRect frame;
    std::string_view frameTooltip;
    // In the order the convert button tests them, which is also their tab order.
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
    std::vector<Note> notes;  // bold captions inside the frame
    std::vector<Output> outputs;
    int decimals = 5;
    // cells[from][to]: how output `to` follows from an input in unit `from`.
    std::vector<std::vector<CellExpression>> cells;
};

}  // namespace nimbaro
