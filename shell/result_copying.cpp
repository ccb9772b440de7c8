#include "result_copying.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <string>

#include "locale_bridge.h"
#include "output_label.h"
#include "result_text.h"

namespace nimbaro {
namespace {

void putOnClipboard(const std::string& text) {
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(fromUtf8(text));
    }
}

}  // namespace

ResultCopying::ResultCopying(QWidget* window)
    : QObject(window),
      window_(window),
      copyAll_(new QAction(QStringLiteral("Copy &All Results"), this)) {
    copyAll_->setObjectName(QStringLiteral("mnuCopyAllResults"));
    copyAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll_->setShortcutContext(Qt::WindowShortcut);
    connect(copyAll_, &QAction::triggered, this, [this] { copyAll(); });
    window->addAction(copyAll_);
}

void ResultCopying::add(OutputLabel* label) {
    labels_.push_back(label);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this,
            [this, label](const QPoint& position) { showMenu(label, position); });
}

void ResultCopying::copy(const OutputLabel* label) const {
    putOnClipboard(copyableText(toUtf8(label->text()), currentNumberLocale()));
}

void ResultCopying::copyAll() const {
    std::vector<ShownResult> results;
    for (const OutputLabel* label : labels_) {
        results.push_back({toUtf8(label->text()), toUtf8(label->unitName())});
    }
    putOnClipboard(resultLines(results, currentNumberLocale()));
}

void ResultCopying::showMenu(OutputLabel* label, const QPoint& position) {
    if (menu_ == nullptr) {
        menu_ = new QMenu(window_);
        menu_->setObjectName(QStringLiteral("mnuResults"));
        copy_ = menu_->addAction(QStringLiteral("&Copy"), this, [this] {
            if (menuLabel_ != nullptr) {
                copy(menuLabel_);
            }
        });
        copy_->setObjectName(QStringLiteral("mnuCopy"));
        menu_->addAction(copyAll_);
    }
    menuLabel_ = label;
    copy_->setEnabled(!label->text().isEmpty());
    menu_->popup(label->mapToGlobal(position));
}

}  // namespace nimbaro
