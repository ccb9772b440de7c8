#pragma once

#include <QList>
#include <QString>

class QPushButton;
class QWidget;

namespace nimbaro::bench {

// Runs events until the window is on screen and drawn; false when it does not get there
// within a few seconds.
bool waitUntilShown(QWidget* window);
// Runs every posted event, deferred deletions included.
void settle();

// A valid sample number for an input box, chosen by what its name says the box holds.
QString sampleFor(const QString& boxName);
// Types a sample into every enabled txt* box of the window.
void fillInputs(QWidget* window);
// Empties every output label, so that a click writes each of them afresh.
void clearOutputs(QWidget* window);
// Whether any output label holds a text.
bool hasOutput(QWidget* window);
// The window's enabled buttons that compute: cmdConvert, cmdConvertRange, cmdConvertDirection
// and cmdCalculate.
QList<QPushButton*> computeButtons(QWidget* window);

}  // namespace nimbaro::bench
