// The Qt view against the scripted user: what a person does through Qt events must reach the
// dialog logic with the notifications the scripted user causes, and what dialog code changes
// must show in the widgets.
#include "designer/CDlgDesigner.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/qt/ControlMirror.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/QtUser.h"
#include "platform/qt/TopLevelView.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/users/UserActions.h"
#include "platform/ui/users/UserScope.h"
#include "tests/core/TempFolder.h"
#include "tests/spreadsheet/SpreadFixture.h"
#include "tests/ui/ui_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

using uitest::LoggingDialog;
using uitest::Note;

constexpr int kName = 1001;
constexpr int kAutoCheck = 1002;
constexpr int kThreeState = 1003;
constexpr int kRadioTwo = 1005;
constexpr int kFruit = 1007;
constexpr int kList = 1009;
constexpr int kTabs = 1010;
constexpr int kNested = 1011;

class QtViewTest : public ::testing::Test {
public:
    // A shown modeless test dialog with its view, the focus on the name edit, no notes yet.
    std::unique_ptr<LoggingDialog> openDialog(UINT templateId = 60000) {
        auto dialog = std::make_unique<LoggingDialog>(templateId);
        EXPECT_TRUE(dialog->Create(templateId));
        dialog->ShowWindow(SW_SHOW);
        desktop.viewOf(*dialog);
        if (CWnd* name = dialog->GetDlgItem(kName)) {
            name->SetFocus();
        }
        settle();
        dialog->clearNotes();
        return dialog;
    }

    void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        desktop.syncNow();
    }

    QWidget* widgetOf(LoggingDialog& dialog, int id) {
        qtview::TopLevelView* view = desktop.existingViewOf(dialog);
        CWnd* control = dialog.GetDlgItem(id);
        if (view == nullptr || control == nullptr) {
            return nullptr;
        }
        qtview::ControlMirror* mirror = view->mirrorOf(*control);
        return mirror != nullptr ? mirror->widget() : nullptr;
    }

protected:
    qtview::Desktop desktop;
};

struct Action {
    const char* name;
    std::function<void(QtViewTest&, LoggingDialog&)> byPerson;
    std::function<void(ui::UserActions&)> byScript;
};

using SameNotesTest = QtViewTest;

TEST_F(SameNotesTest, QtEventsReachTheDialogAsTheScriptedUsersActionsDo) {
    const std::vector<Action> actions = {
        {"check box",
         [](QtViewTest& t, LoggingDialog& d) {
             QTest::mouseClick(t.widgetOf(d, kAutoCheck), Qt::LeftButton);
         },
         [](ui::UserActions& act) { act.click(kAutoCheck); }},
        {"three-state box twice",
         [](QtViewTest& t, LoggingDialog& d) {
             QWidget* box = t.widgetOf(d, kThreeState);
             QTest::mouseClick(box, Qt::LeftButton);
             QTest::mouseClick(box, Qt::LeftButton);
         },
         [](ui::UserActions& act) {
             act.click(kThreeState);
             act.click(kThreeState);
         }},
        {"radio button",
         [](QtViewTest& t, LoggingDialog& d) {
             QTest::mouseClick(t.widgetOf(d, kRadioTwo), Qt::LeftButton);
         },
         [](ui::UserActions& act) { act.click(kRadioTwo); }},
        {"push button",
         [](QtViewTest& t, LoggingDialog& d) {
             QTest::mouseClick(t.widgetOf(d, kNested), Qt::LeftButton);
         },
         [](ui::UserActions& act) { act.click(kNested); }},
        {"typing",
         [](QtViewTest& t, LoggingDialog& d) {
             QTest::keyClicks(t.widgetOf(d, kName), QStringLiteral("ab"));
         },
         [](ui::UserActions& act) {
             act.type(kName, L"a");
             act.type(kName, L"b");
         }},
        {"combo choice",
         [](QtViewTest& t, LoggingDialog& d) {
             auto* combo = static_cast<QComboBox*>(t.widgetOf(d, kFruit));
             // A press on the box focuses it and drops its list down, as a person's does.
             QTest::mousePress(combo, Qt::LeftButton);
             // The list ignores a release that comes too soon after the press that opened it.
             QTest::qWait(QApplication::doubleClickInterval() + 50);
             QAbstractItemView* list = combo->view();
             const QRect item = list->visualRect(list->model()->index(2, 0));
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
         },
         [](ui::UserActions& act) { act.selectComboItem(kFruit, 2); }},
        {"list item",
         [](QtViewTest& t, LoggingDialog& d) {
             auto* list = static_cast<QListWidget*>(t.widgetOf(d, kList));
             const QRect item = list->visualItemRect(list->item(1));
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
         },
         [](ui::UserActions& act) { act.selectListItem(kList, 1); }},
        {"tab",
         [](QtViewTest& t, LoggingDialog& d) {
             auto* tabs = t.widgetOf(d, kTabs)->findChild<QTabBar*>();
             QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
         },
         [](ui::UserActions& act) { act.selectTab(kTabs, 1); }},
        {"Tab and Shift+Tab",
         [](QtViewTest& t, LoggingDialog& d) {
             QTest::keyClick(t.widgetOf(d, kName), Qt::Key_Tab);
             t.settle();
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
         },
         [](ui::UserActions& act) {
             act.pressKey(VK_TAB);
             act.pressKey(VK_TAB, ui::Shift);
         }},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        auto person = openDialog();
        action.byPerson(*this, *person);
        settle();
        // Taken now: the next dialog takes the focus from this one.
        const std::vector<Note> personNotes = person->notes;
        auto scripted = openDialog();
        ui::UserActions act(*scripted);
        action.byScript(act);
        settle();
        EXPECT_FALSE(scripted->notes.empty());
        EXPECT_EQ(personNotes, scripted->notes);
        EXPECT_EQ(person->GetDlgItem(kName)->GetWindowText(),
                  scripted->GetDlgItem(kName)->GetWindowText());
        EXPECT_EQ(person->IsDlgButtonChecked(kThreeState),
                  scripted->IsDlgButtonChecked(kThreeState));
        EXPECT_EQ(CWnd::GetFocus() == nullptr, false);
        person->DestroyWindow();
        scripted->DestroyWindow();
        settle();
    }
}

TEST_F(QtViewTest, ChangesByDialogCodeShowInTheWidgets) {
    auto dialog = openDialog();
    dialog->SetDlgItemText(kName, L"HEA 300");
    dialog->CheckDlgButton(kAutoCheck, BST_CHECKED);
    auto* fruit = dynamic_cast<CComboBox*>(dialog->GetDlgItem(kFruit));
    fruit->AddString(L"Cherry");
    fruit->SetCurSel(fruit->FindStringExact(-1, L"Cherry"));
    dialog->GetDlgItem(kNested)->EnableWindow(FALSE);
    dialog->GetDlgItem(kList)->ShowWindow(SW_HIDE);
    settle();
    EXPECT_EQ(static_cast<QLineEdit*>(widgetOf(*dialog, kName))->text(), QStringLiteral("HEA 300"));
    EXPECT_TRUE(static_cast<QCheckBox*>(widgetOf(*dialog, kAutoCheck))->isChecked());
    auto* combo = static_cast<QComboBox*>(widgetOf(*dialog, kFruit));
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Cherry"));
    EXPECT_FALSE(widgetOf(*dialog, kNested)->isEnabled());
    EXPECT_FALSE(widgetOf(*dialog, kList)->isVisible());
    // A window destroyed by code takes its widget with it.
    dialog->GetDlgItem(kNested)->DestroyWindow();
    settle();
    EXPECT_EQ(desktop.existingViewOf(*dialog)->findChild<QPushButton*>(QStringLiteral("ctl1011")),
              nullptr);
}

TEST_F(QtViewTest, ClosingTheWindowEndsAModalDialogAsCancel) {
    qtview::QtUser person;
    ui::UserScope scope(person);
    LoggingDialog dialog;
    QTimer::singleShot(20, [&] {
        if (qtview::TopLevelView* view = desktop.existingViewOf(dialog)) {
            view->close();
        }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(QtViewTest, AMessageBoxIsAnsweredInQt) {
    qtview::QtUser person;
    ui::UserScope scope(person);
    auto dialog = openDialog();
    int answer = 0;
    dialog->onCommand(kNested, BN_CLICKED, [&] {
        answer = dialog->MessageBox(L"Overwrite the grid?", L"Tessa", MB_YESNO | MB_ICONQUESTION);
    });
    QString shownText;
    QTimer::singleShot(20, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(u'&') == QStringLiteral("No")) {
                button->click();
            }
        }
    });
    QTest::mouseClick(widgetOf(*dialog, kNested), Qt::LeftButton);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(shownText, QStringLiteral("Overwrite the grid?"));
}

// The spreadsheet control's cells, edited and right-clicked through the table view.
class SheetViewTest : public QtViewTest {
protected:
    void SetUp() override {
        gSettings.setWorkLanguage(Vdn_Settings::Dutch);
        host = openDialogWithSheet();
    }

    std::unique_ptr<spreadtest::HostDialog> openDialogWithSheet() {
        auto dialog = std::make_unique<spreadtest::HostDialog>();
        EXPECT_TRUE(dialog->Create(spreadtest::kTestDialog));
        dialog->ShowWindow(SW_SHOW);
        EXPECT_TRUE(spread.attachToDlgItem(dialog.get(), spreadtest::kSheetId));
        spread.setStandardLook(1);
        spread.setMaxCols(2);
        spread.setMaxRows(3);
        for (int row = 1; row <= 3; ++row) {
            spread.SSSetData(1, row, L"r" + std::to_wstring(row) + L"c1");
        }
        desktop.viewOf(*dialog);
        spread.SetFocus();
        settle();
        dialog->clearNotes();
        return dialog;
    }

    QTableView* table() { return static_cast<QTableView*>(widgetOf(*host, spreadtest::kSheetId)); }

    Vdn_Spread spread;
    std::unique_ptr<spreadtest::HostDialog> host;
};

TEST_F(SheetViewTest, ACellTypedInTheTableReachesTheControlAsTyping) {
    QTableView* view = table();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->data(view->model()->index(1, 0)).toString(), QStringLiteral("r2c1"));
    const QModelIndex cell = view->model()->index(1, 1);
    view->setCurrentIndex(cell);
    view->edit(cell);
    auto* editor = view->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("42"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    std::wstring text;
    spread.SSGetData(2, 2, text);
    EXPECT_EQ(text, L"42");
    const std::vector<Note> typed = host->notes;
    EXPECT_FALSE(typed.empty());
    // The scripted user's typing into the same cell gives the same notifications.
    host->clearNotes();
    spread.userTypeInCell(2, 2, L"43");
    EXPECT_EQ(host->notes, typed);
}

TEST_F(SheetViewTest, TheRightButtonMenuIsAQtMenuWhoseChoiceRuns) {
    qtview::QtUser person;
    ui::UserScope scope(person);
    ASSERT_TRUE(spread.setContextMenu({4, 1, 5}));
    QStringList shown;
    QTimer::singleShot(20, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            shown << action->text();
            if (action->text() == QStringLiteral("Rij verwijderen")) {
                menu->setActiveAction(action);
            }
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // The right button on the second row's cell: the menu acts on that row.
    QTableView* view = table();
    const QRect cell = view->visualRect(view->model()->index(1, 0));
    emit view->customContextMenuRequested(cell.center());
    settle();
    EXPECT_TRUE(shown.contains(QStringLiteral("Rij invoegen")));
    EXPECT_EQ(spread.SSGetMaxRows(), 2);
    std::wstring text;
    spread.SSGetData(1, 1, text);
    EXPECT_EQ(text, L"r1c1");
    spread.SSGetData(1, 2, text);
    EXPECT_EQ(text, L"r3c1");
}

// A person drags a control of a design with the mouse, resizes it by a handle and saves.
TEST_F(QtViewTest, ADesignEditedWithTheMouseIsSavedAsItWasLeft) {
    TempFolder folder;
    const Vdn_String savedLibrary = gSettings.libDir();
    gSettings.setLibDir(folder.name(""));
    std::filesystem::create_directories(folder.path() / "Dialog Templates/Dialog Design");
    const Vdn_String root = Vdn_DlgDesignerData::getDesignerRootFolder();
    ASSERT_TRUE(ui::Bitmap(300, 200, 0xFFFFFFFF).save(root + L"Mouse.bmp"));
    Vdn_PropertiesList list;
    list.setInt(L"nrOfControls", 1);
    list.setInt(L"type0", ctVarEdit);
    list.setDouble(L"topLeftX0", 0.1);     // 30 px
    list.setDouble(L"topLeftY0", 0.1);     // 20 px
    list.setDouble(L"bottomRightX0", 0.3); // 90 px
    list.setDouble(L"bottomRightY0", 0.2); // 40 px
    list.setString(L"contents0", L"H");
    ASSERT_TRUE(list.writeToFile(root + L"Mouse.txt"));

    qtview::QtUser person;
    ui::UserScope scope(person);
    QTimer::singleShot(50, [&] {
        auto* view = dynamic_cast<qtview::TopLevelView*>(QApplication::activeWindow());
        if (view == nullptr) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* candidate = dynamic_cast<qtview::TopLevelView*>(top);
                    candidate && top->isVisible()) {
                    view = candidate;
                }
            }
        }
        ASSERT_NE(view, nullptr);
        const qtview::DialogMetrics& m = view->metrics();
        const auto at = [&](int x, int y) { return QPoint(m.x(x), m.y(y)); };
        // Select, then drag the middle 40 px right and 30 px down.
        QTest::mouseClick(view, Qt::LeftButton, {}, at(60, 30));
        QTest::mousePress(view, Qt::LeftButton, {}, at(60, 30));
        QTest::mouseMove(view, at(80, 45));
        QTest::mouseMove(view, at(100, 60));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(100, 60));
        // Then the bottom-right handle (just outside the corner) 20 px further right.
        QTest::mousePress(view, Qt::LeftButton, {}, at(132, 72));
        QTest::mouseMove(view, at(142, 72));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(152, 72));
        // Closing asks whether to save: yes.
        QTimer::singleShot(20, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text().remove(u'&') == QStringLiteral("Yes")) {
                        button->click();
                    }
                }
            }
        });
        view->close();
    });
    EXPECT_TRUE(StartDlgDesigner(L"Mouse"));
    Vdn_PropertiesList saved;
    ASSERT_TRUE(saved.readFromFile(root + L"Mouse.txt"));
    double left = 0;
    double top = 0;
    double right = 0;
    saved.getDouble(L"topLeftX0", left);
    saved.getDouble(L"topLeftY0", top);
    saved.getDouble(L"bottomRightX0", right);
    EXPECT_NEAR(left * 300, 70, 1.5);
    EXPECT_NEAR(top * 200, 50, 1.5);
    EXPECT_NEAR(right * 300, 150, 1.5);
    gSettings.setLibDir(savedLibrary);
}

} // namespace
