#include "cell_expression.h"

namespace nimbaro {

double CellExpression::evaluate(double input) const {
    double value = input;
    for (const Step& step : steps_) {
        switch (step.operation) {
            case Step::Operation::Add:
                value += step.operand;
                break;
            case Step::Operation::Subtract:
                value -= step.operand;
                break;
            case Step::Operation::Multiply:
                value *= step.operand;
                break;
            case Step::Operation::Divide:
                value /= step.operand;
                break;
        }
    }
    return value;
}

}  // namespace nimbaro
