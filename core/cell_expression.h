#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>

namespace nimbaro {

// One step of a conversion cell: the running value combined with a constant.
struct Step {
    enum class Operation { Add, Subtract, Multiply, Divide };
    Operation operation;
    double operand;
};

constexpr Step plus(double operand) {
    return {Step::Operation::Add, operand};
}
constexpr Step minus(double operand) {
    return {Step::Operation::Subtract, operand};
}
constexpr Step times(double operand) {
    return {Step::Operation::Multiply, operand};
}
constexpr Step over(double operand) {
    return {Step::Operation::Divide, operand};
}

// How one output of a conversion is found from the input: either the input text itself, or
// the input value put through its steps strictly left to right in double precision, so that
// x ÷ 25.4 × 1000 and x × 1000 ÷ 25.4 stay the different roundings they are. The steps are
// held in place, so that a calculation that converts its inputs by a cell reaches no other
// memory.
class CellExpression {
  public:
    // The most steps a cell has: square miles to yards, and the like.
    static constexpr std::size_t kMostSteps = 6;

    // The output that needs no arithmetic: it shows the input text as typed.
    static constexpr CellExpression inputText() { return CellExpression(); }

    constexpr CellExpression(std::initializer_list<Step> steps) : count_(steps.size()) {
        if (steps.size() > kMostSteps) {
            throw std::length_error("more steps than a cell holds");
        }
        std::size_t i = 0;
        for (const Step& step : steps) {
            steps_[i++] = step;
        }
    }

    constexpr bool copiesInputText() const { return count_ == 0; }

    constexpr double evaluate(double input) const {
        double value = input;
        for (std::size_t i = 0; i < count_; ++i) {
            const Step& step = steps_[i];
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

  private:
    constexpr CellExpression() = default;

    std::array<Step, kMostSteps> steps_{};
    std::size_t count_ = 0;
};

}  // namespace nimbaro
