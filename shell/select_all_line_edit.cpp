#include "select_all_line_edit.h"

#include <QFocusEvent>

namespace nimbaro {

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void SelectAllLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        selectAll();
    }
}

}  // namespace nimbaro
