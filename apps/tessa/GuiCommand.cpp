// tessa gui: the host's main window with the module loaded: a menu that opens every dialog on
// example data, and the host's command line, on which registered commands can be typed.
#include "apps/tessa/DialogCatalog.h"
#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroDialogCommands.h"
#include "apps/tessa/ShowCommand.h"
#include "apps/tessa/WindowRunner.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/TextCodec.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDictionary.h"
#include "platform/host/CommandLine.h"
#include "platform/host/HostWindows.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/TopLevelView.h"

#include <CLI/CLI.hpp>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>
#include <string>

namespace app {

namespace {

struct GuiOptions {
    std::string library;
};

// Runs a command typed on the command line as the host does: by its global name.
void runTyped(const QString& typed) {
    const std::wstring name = typed.trimmed().toUpper().toStdWString();
    if (name.empty()) {
        return;
    }
    host::CommandLine::instance().print(L"Command: " + name + L"\n");
    auto* stack = AcEdCommandStack::cast(acrxSysRegistry()->at(L"AcEdCommandStack"));
    AcRxFunctionPtr function = stack != nullptr ? stack->lookupCmd(name.c_str()) : nullptr;
    if (function == nullptr) {
        host::CommandLine::instance().print(L"Unknown command \"" + name +
                                            L"\".  Press F1 for help.\n");
        return;
    }
    function();
}

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(WindowRunner& windows) {
        setWindowTitle(QStringLiteral("Tessa"));
        QMenu* dialogs = menuBar()->addMenu(QStringLiteral("&Dialogs"));
        for (const DialogEntry& entry : dialogCatalog()) {
            QAction* action =
                dialogs->addAction(QStringLiteral("%1  (%2)")
                                       .arg(QString::fromStdString(entry.className),
                                            QString::fromStdString(entry.templateName)));
            connect(action, &QAction::triggered, this, [&windows, &entry, this] {
                statusBar()->showMessage(QString::fromStdString(entry.className));
                if (!entry.open(windows)) {
                    host::CommandLine::instance().print(L"The dialog could not be opened.\n");
                }
                statusBar()->clearMessage();
            });
        }
        QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
        connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, this,
                &QWidget::close);

        // The host's frame (with its docked bars) above, its command line below.
        auto* central = new QSplitter(Qt::Vertical, this);
        CWnd* frame = adsw_acadMainWnd();
        qtview::TopLevelView* frameView = windows.desktop().viewOf(*frame);
        frameView->setEmbedded(true);
        frameView->setMinimumSize(200, 120);
        central->addWidget(frameView);
        auto* commandLine = new QWidget(central);
        auto* layout = new QVBoxLayout(commandLine);
        layout->setContentsMargins(0, 0, 0, 0);
        output_ = new QPlainTextEdit(commandLine);
        output_->setReadOnly(true);
        output_->setMaximumBlockCount(5000);
        auto* input = new QLineEdit(commandLine);
        input->setPlaceholderText(QStringLiteral("Command:"));
        layout->addWidget(output_, 1);
        layout->addWidget(input);
        central->addWidget(commandLine);
        central->setStretchFactor(0, 3);
        central->setStretchFactor(1, 1);
        setCentralWidget(central);
        frameView->show();
        connect(input, &QLineEdit::returnPressed, this, [input] {
            runTyped(input->text());
            input->clear();
        });
        // The command line is the host's: whatever the module prints shows here.
        connect(&poll_, &QTimer::timeout, this, [this] { showCommandLine(); });
        poll_.start(100);
        resize(900, 560);
    }

private:
    void showCommandLine() {
        const std::wstring& text = host::CommandLine::instance().text();
        if (text.size() == shown_) {
            return;
        }
        output_->moveCursor(QTextCursor::End);
        output_->insertPlainText(
            QString::fromStdWString(text.substr(std::min(shown_, text.size()))));
        shown_ = text.size();
    }

    QPlainTextEdit* output_ = nullptr;
    QTimer poll_;
    std::size_t shown_ = 0;
};

int gui(const GuiOptions& options) {
    if (!options.library.empty()) {
        gSettings.setLibDir(core::TextCodec::decodeUtf8Lenient(options.library));
    }
    if (!WindowRunner::canShowWindows()) {
        std::fprintf(stderr, "tessa gui: no display to show the window on\n");
        return kExitFailed;
    }
    const LoadedModule module(stderr);
    WindowRunner windows;
    windows.setFrameEmbedded(true);
    MainWindow window(windows);
    window.show();
    // The sheets manager is the panel a detailer keeps docked.
    if (const DialogEntry* sheets = findDialog("CDlgSheetsMgr"); sheets != nullptr) {
        sheets->open(windows);
    }
    return QApplication::exec() == 0 ? kExitOk : kExitFailed;
}

} // namespace

void addGuiCommand(CLI::App& program, CommandRun& run) {
    auto options = std::make_shared<GuiOptions>();
    CLI::App* command =
        program.add_subcommand("gui", "the host's main window with the module loaded");
    command->add_option("--library", options->library, "the library folder");
    // The main window unless a sub-command (one dialog on a file) was asked for.
    command->callback([options, command, &run] {
        if (command->get_subcommands().empty())
            run = [options] { return gui(*options); };
    });
    addGuiMacroCommand(*command, run);
}

} // namespace app
