#include "platform/qt/QtUser.h"

#include "platform/qt/Desktop.h"
#include "platform/qt/FileFilters.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/PickDialog.h"
#include "platform/qt/TopLevelView.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/menus/CMenu.h"
#include "platform/ui/windows/WinConstants.h"

#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace qtview {

namespace {

QString qt(const std::wstring& text) {
    return QString::fromStdWString(text);
}

QString buttonText(int id) {
    switch (id) {
    case IDOK:
        return QStringLiteral("OK");
    case IDCANCEL:
        return QStringLiteral("Cancel");
    case IDYES:
        return QStringLiteral("&Yes");
    case IDNO:
        return QStringLiteral("&No");
    case IDABORT:
        return QStringLiteral("&Abort");
    case IDRETRY:
        return QStringLiteral("&Retry");
    case IDIGNORE:
        return QStringLiteral("&Ignore");
    default:
        return QString::number(id);
    }
}

QMessageBox::Icon iconOf(UINT icon) {
    switch (icon) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

void addEntries(QMenu& menu, const std::vector<ui::MenuEntryRecord>& entries) {
    for (const ui::MenuEntryRecord& entry : entries) {
        if (entry.separator) {
            menu.addSeparator();
        } else if (entry.isPopup) {
            addEntries(*menu.addMenu(qt(entry.text)), entry.submenu);
        } else {
            QAction* action = menu.addAction(qt(entry.text));
            action->setData(entry.id);
            action->setEnabled(entry.selectable());
            if (entry.state & MF_CHECKED) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
    }
}

} // namespace

void QtUser::runModal(CDialog& dialog) {
    Desktop* desktop = Desktop::instance();
    if (desktop == nullptr) {
        dialog.EndDialog(IDCANCEL);
        return;
    }
    desktop->viewOf(dialog);
    QEventLoop loop;
    QTimer watch;
    // The dialog ends from inside its own handlers; the loop notices on its next turn.
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (!PersonInput::isAlive(&dialog) || dialog.hasEnded()) {
            loop.quit();
        }
    });
    watch.start(15);
    loop.exec();
}

int QtUser::messageBox(const ui::MessageBoxRecord& record) {
    QMessageBox box(iconOf(record.icon), qt(record.caption), qt(record.text));
    const std::vector<int> ids = record.buttonIds();
    QPushButton* defaultButton = nullptr;
    std::vector<std::pair<QPushButton*, int>> buttons;
    for (const int id : ids) {
        QPushButton* button = box.addButton(buttonText(id), QMessageBox::ActionRole);
        buttons.emplace_back(button, id);
        if (id == record.defaultAnswer()) {
            defaultButton = button;
        }
    }
    if (defaultButton != nullptr) {
        box.setDefaultButton(defaultButton);
    }
    for (const auto& [button, id] : buttons) {
        if (id == record.cancelAnswer()) {
            box.setEscapeButton(button);
        }
    }
    box.exec();
    for (const auto& [button, id] : buttons) {
        if (box.clickedButton() == button) {
            return id;
        }
    }
    return record.cancelAnswer();
}

bool QtUser::fileDialog(ui::FileDialogRecord& record) {
    record.chosenPaths.clear();
    record.accepted = false;
    QFileDialog dialog(nullptr, qt(record.title), qt(record.initialDir), QString());
    dialog.setAcceptMode(record.openDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    const QStringList filters = FileFilters::toQt(record.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = record.filterIndex > 0 ? record.filterIndex - 1 : 0;
        if (index < filters.size()) {
            dialog.selectNameFilter(filters[index]);
        }
    }
    if (!record.defaultExt.empty()) {
        dialog.setDefaultSuffix(qt(record.defaultExt));
    }
    if (!record.fileName.empty()) {
        dialog.selectFile(qt(record.fileName));
    }
    if (record.openDialog) {
        dialog.setFileMode((record.flags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                                                                 : QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    for (const QString& path : dialog.selectedFiles()) {
        record.chosenPaths.push_back(path.toStdWString());
    }
    record.accepted = !record.chosenPaths.empty();
    return record.accepted;
}

UINT QtUser::trackPopupMenu(const ui::PopupMenuRecord& record) {
    QMenu menu;
    addEntries(menu, record.entries);
    QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

} // namespace qtview

namespace qtview {

bool QtUser::pick(ui::PickRecord& record) {
    return PickDialog::ask(record);
}

} // namespace qtview
