#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "number_locale.h"
#include "twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace nimbaro {

class OutputLabel;
class ResultCopying;
class WindowRegistry;

// What every calculator window shares: Back and Exit, select-all input boxes, output labels
// that clear on a click, Reset and Output, the number check with its message, the fault
// message and the writing of results; copying results and a note on the result. A window adds
// its controls through the builders below; the engine computes what it shows.
class CalculatorWindow : public QWidget {
  public:
    CalculatorWindow(WindowRegistry& registry, std::string_view windowName, std::string_view title,
                     TwipSize clientSize);

    void onBackClicked();
    void onExitClicked();
    // Empties every input box and every output label; options and focus stay as they are.
    void onResetClicked();
    // Empties every output label.
    void onOutputClicked();

  protected:
    QGroupBox* addFrame(std::string_view name, std::string_view caption, std::string_view tooltip,
                        TwipRect rect);
    // `rect` is in window coordinates; a zero width or height takes the natural size.
    QRadioButton* addOption(QGroupBox* frame, std::string_view name, std::string_view caption,
                            std::string_view tooltip, TwipRect rect);
    QLineEdit* addInputBox(std::string_view name, std::string_view tooltip, TwipRect rect);
    // An output that Reset and Output clear, a click empties and showResults() writes.
    OutputLabel* addOutputLabel(std::string_view name, std::string_view tooltip, TwipRect rect);
    // A bold result label without those duties. Every result label can be copied.
    OutputLabel* addResultLabel(std::string_view name, std::string_view tooltip, TwipRect rect);
    QLabel* addFixedLabel(QWidget* parent, std::string_view name, std::string_view text,
                          TwipRect rect, bool bold = false);
    // The fixed label naming the unit of `output`, which also names the output for a screen
    // reader and in copied results.
    QLabel* addUnitLabel(OutputLabel* output, std::string_view name, std::string_view unitName,
                         TwipRect rect);
    // A quiet line for a note on the result, sized for the longest of `possibleNotes`; with
    // `wrap`, a note wraps to the width of `rect`, keeping each number on the line of the word
    // after it. A note shown by showResultNote() goes with the outputs: Reset and Output clear
    // it, and so does a click that empties the last output still showing.
    void addResultNote(TwipRect rect, const std::vector<std::string>& possibleNotes,
                       bool wrap = false);
    // A second quiet line, for what the result means for people outside.
    void addRiskLine(TwipRect rect, const std::vector<std::string>& possibleRisks);
    // Under the quiet lines, a remark line of up to three wrapped lines across the window, for
    // what else the result notes; it goes with the outputs as the note does.
    void addRemarkLine();
    void showResultNote(const QString& note, const QString& risk = {}, const QString& remark = {});
    QPushButton* addButton(std::string_view name, std::string_view caption,
                           std::string_view tooltip, TwipRect rect, std::function<void()> handler);
    void addResetButton(std::string_view tooltip, TwipPoint position);
    void addOutputButton(std::string_view tooltip, TwipPoint position);
    void addBackAndExitButtons(TwipPoint back, TwipPoint exit);
    // Enter in the box presses the button.
    void pressOnEnter(QLineEdit* box, QPushButton* button);

    // The number check: true when the box holds a number; otherwise the message, then the
    // focus back to the box with its whole text selected.
    bool numberCheck(QLineEdit* box, const QString& prompt, const QString& title);
    void showMessage(const QString& prompt, const QString& title);
    // A computation left the double range or met a domain fault.
    void reportFault();
    void focusAndSelect(QLineEdit* box);
    // Writes each output label once, with its result's final text, in the order they were added.
    void showResults(const std::vector<std::string>& texts);

    NumberLocale numberLocale() const;
    std::optional<double> numberIn(const QLineEdit* box) const;
    const std::vector<QLineEdit*>& inputBoxes() const { return inputBoxes_; }
    const std::vector<OutputLabel*>& outputLabels() const { return outputLabels_; }

    void showEvent(QShowEvent* event) override;

  private:
    void focusFirstControl();
    QLabel* addQuietLine(const char* name, TwipRect rect,
                         const std::vector<std::string>& possibleTexts, bool wrap = false);
    void clearOutput(OutputLabel* label);

    WindowRegistry& registry_;
    ResultCopying* copying_;
    QLabel* resultNote_ = nullptr;
    QLabel* riskLine_ = nullptr;
    QLabel* remarkLine_ = nullptr;
    std::vector<QLineEdit*> inputBoxes_;
    std::vector<OutputLabel*> outputLabels_;
    bool shownBefore_ = false;
};

}  // namespace nimbaro
