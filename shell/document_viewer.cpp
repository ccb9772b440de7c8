#include "document_viewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "window_placement.h"

namespace nimbaro {
namespace {

// Room for the documents' lines, which are wrapped at 76 characters.
constexpr int kColumns = 82;
constexpr int kLines = 36;

class DocumentViewer : public QWidget {
  public:
    DocumentViewer(const QString& name, const QString& text) {
        setObjectName("documentViewer");
        setWindowTitle(name);
        setAttribute(Qt::WA_DeleteOnClose);

        text_ = new QPlainTextEdit(this);
        text_->setObjectName("txtDocument");
        text_->setAccessibleName(name);
        text_->setReadOnly(true);
        text_->setLineWrapMode(QPlainTextEdit::NoWrap);
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(QApplication::font().pointSizeF());
        text_->setFont(fixed);
        text_->setPlainText(text);

        auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
        find_ = new QLineEdit(this);
        find_->setObjectName("txtFind");
        findLabel->setBuddy(find_);
        auto* next = new QPushButton(QStringLiteral("&Next"), this);
        next->setObjectName("cmdFindNext");
        auto* previous = new QPushButton(QStringLiteral("&Previous"), this);
        previous->setObjectName("cmdFindPrevious");
        notFound_ = new QLabel(this);
        notFound_->setObjectName("lblNotFound");

        auto* findRow = new QHBoxLayout;
        findRow->addWidget(findLabel);
        findRow->addWidget(find_, 1);
        findRow->addWidget(next);
        findRow->addWidget(previous);
        findRow->addWidget(notFound_);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text_, 1);
        layout->addLayout(findRow);

        connect(find_, &QLineEdit::returnPressed, this, [this] { findText({}); });
        connect(find_, &QLineEdit::textChanged, notFound_, &QLabel::clear);
        connect(next, &QPushButton::clicked, this, [this] { findText({}); });
        connect(previous, &QPushButton::clicked, this,
                [this] { findText(QTextDocument::FindBackward); });
        connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
            find_->setFocus(Qt::ShortcutFocusReason);
            find_->selectAll();
        });
        connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
                [this] { findText({}); });
        connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
                [this] { findText(QTextDocument::FindBackward); });
        connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

        const QFontMetrics metrics(fixed);
        resize(QSize(metrics.horizontalAdvance(QString(kColumns, QLatin1Char('x'))),
                     metrics.lineSpacing() * kLines)
                   .boundedTo(roomOnScreen(this)));
        text_->setFocus();
    }

  private:
    // From the cursor on, round the end of the document to its start (or the other way).
    void findText(QTextDocument::FindFlags direction) {
        const QString wanted = find_->text();
        if (wanted.isEmpty()) {
            return;
        }
        if (!text_->find(wanted, direction)) {
            const QTextCursor kept = text_->textCursor();
            text_->moveCursor(direction.testFlag(QTextDocument::FindBackward) ? QTextCursor::End
                                                                              : QTextCursor::Start);
            if (!text_->find(wanted, direction)) {
                text_->setTextCursor(kept);
                notFound_->setText(QStringLiteral("Not found"));
                return;
            }
        }
        notFound_->clear();
    }

    QPlainTextEdit* text_;
    QLineEdit* find_;
    QLabel* notFound_;
};

}  // namespace

bool showInDocumentViewer(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    auto* viewer =
        new DocumentViewer(QFileInfo(path).fileName(), QString::fromUtf8(file.readAll()));
    centreOnScreen(viewer);
    bringToFront(viewer);
    return true;
}

}  // namespace nimbaro
