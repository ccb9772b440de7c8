#pragma once

#include <initializer_list>
#include <vector>

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
// x ÷ 25.4 × 1000 and x × 1000 ÷ 25.4 stay the different roundings they are.
class CellExpression {
  public:
    // The output that needs no arithmetic: it shows the input text as typed.
    static CellExpression inputText() { return CellExpression(); }

    CellExpression(std::initializer_list<Step> steps) : steps_(steps) {}

    bool copiesInputText() const { return steps_.empty(); }
    double evaluate(double input) const;

  private:
    CellExpression() = default;

    std::vector<Step> steps_;
};

}  // namespace nimbaro
