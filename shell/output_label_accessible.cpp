#include "output_label_accessible.h"

#include <QAccessibleWidget>
#include <mutex>

#include "output_label.h"

namespace nimbaro {
namespace {

// Name and description as for any widget, the value as its Value and as read-only text: some
// screen readers ask a display for its value, others for its text.
class OutputLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit OutputLabelAccessible(OutputLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? value() : QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override {
        return value().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    int selectionCount() const override { return 0; }
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    QString value() const { return static_cast<const OutputLabel*>(widget())->text(); }
};

QAccessibleInterface* outputLabelInterface(const QString& /*className*/, QObject* object) {
    if (auto* label = qobject_cast<OutputLabel*>(object)) {
        return new OutputLabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

void installOutputLabelAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(outputLabelInterface); });
}

}  // namespace nimbaro
