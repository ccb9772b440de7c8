#include "help_documents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "message_box.h"

namespace nimbaro {
namespace {

#ifdef Q_OS_WIN
constexpr DocumentViewer kSystemViewer = DocumentViewer::Notepad;
#else
constexpr DocumentViewer kSystemViewer = DocumentViewer::DesktopDefault;
#endif

bool startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

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
    : HelpDocuments(QCoreApplication::applicationDirPath(), startDetached) {}

HelpDocuments::HelpDocuments(QString folder, ProcessStarter start)
    : folder_(std::move(folder)), start_(std::move(start)) {}

void HelpDocuments::open(QWidget* parent, const QString& document) const {
    // A viewer started on a missing file may fail without a word, so the file is looked for
    // first.
    const bool present = QFileInfo::exists(QDir(folder_).filePath(document));
    const LaunchCommand command = viewerCommand(kSystemViewer, folder_, document);
    if (!present || !start_(command.program, command.arguments)) {
        showMessage(parent,
                    QStringLiteral("Unable to open the document \"%1\" in %2.")
                        .arg(document, QDir::toNativeSeparators(folder_)),
                    QStringLiteral("Document Not Opened"));
    }
}

}  // namespace nimbaro
