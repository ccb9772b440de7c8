#include "help_documents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "document_viewer.h"
#include "message_box.h"

namespace nimbaro {
namespace {

#ifdef Q_OS_WIN
constexpr DocumentViewer kSystemViewer = DocumentViewer::Notepad;
#else
constexpr DocumentViewer kSystemViewer = DocumentViewer::DesktopDefault;
#endif

void reportNotOpened(QWidget* parent, const QString& folder, const QString& document) {
    showMessage(parent,
                QStringLiteral("Unable to open the document \"%1\" in %2.")
                    .arg(document, QDir::toNativeSeparators(folder)),
                QStringLiteral("Document Not Opened"));
}

// Not as the program ends, which stops the shell that waits for a viewer.
void showInOwnViewer(const QString& path) {
    if (QCoreApplication::closingDown() || showInDocumentViewer(path)) {
        return;
    }
    const QFileInfo file(path);
    reportNotOpened(nullptr, file.path(), file.fileName());
}

#ifdef Q_OS_WIN
bool startSystemViewer(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
#else
// The viewer runs in a session of its own and outlives the program, as one started on its own
// would. A shell waits for it only to hear whether it failed, which xdg-open reports when it
// finds no application for the document; as the program ends, the shell is stopped, not the
// viewer.
bool startSystemViewer(const QString& program, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        return false;
    }
    auto* waiter = new QProcess(QCoreApplication::instance());
    waiter->setProcessChannelMode(QProcess::ForwardedChannels);
    const QString path = arguments.value(0);
    QObject::connect(waiter, &QProcess::finished, waiter,
                     [waiter, path](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             showInOwnViewer(path);
                         }
                         waiter->deleteLater();
                     });
    QObject::connect(waiter, &QProcess::errorOccurred, waiter,
                     [waiter, path](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             showInOwnViewer(path);
                             waiter->deleteLater();
                         }
                     });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, waiter, [waiter] {
        waiter->disconnect();
        waiter->kill();
        waiter->waitForFinished();
    });
    waiter->start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), QStringLiteral(R"(setsid "$0" "$@" & wait $!)"),
                              program} +
                      arguments);
    return true;
}
#endif

}  // namespace

LaunchCommand viewerCommand(DocumentViewer viewer, const QString& folder, const QString& document) {
    if (viewer == DocumentViewer::Notepad) {
        return {QStringLiteral("Notepad.exe"),
                {QString(folder).replace('/', '\\') + '\\' + document}};
    }
    return {QStringLiteral("xdg-open"), {folder + '/' + document}};
}

// applicationDirPath() reads the executable's real path, so a program started through a
// symbolic link still finds the documents installed beside it.
HelpDocuments::HelpDocuments()
    : HelpDocuments(QCoreApplication::applicationDirPath(), startSystemViewer,
                    showInDocumentViewer) {}

HelpDocuments::HelpDocuments(QString folder, ProcessStarter start, DocumentShower fallback)
    : folder_(std::move(folder)), start_(std::move(start)), fallback_(std::move(fallback)) {}

void HelpDocuments::open(QWidget* parent, const QString& document) const {
    // A viewer started on a missing file may fail without a word, so the file is looked for
    // first.
    const QString path = QDir(folder_).filePath(document);
    if (QFileInfo::exists(path)) {
        const LaunchCommand command = viewerCommand(kSystemViewer, folder_, document);
        if (start_(command.program, command.arguments) || (fallback_ && fallback_(path))) {
            return;
        }
    }
    reportNotOpened(parent, folder_, document);
}

}  // namespace nimbaro
