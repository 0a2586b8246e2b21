#include "dialogs/Vdn_DlgCSP2.h"

#include "dialogs/CDlgInfo.h"
#include "dialogs/CspOverview.h"
#include "library/csp/CspSetProblem.h"
#include "library/csp/CspTableFile.h"
#include "platform/core/files/FolderHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/IconButton.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/dialogs/DlgSize.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

#include <algorithm>

namespace {

constexpr int kCaption = 620;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kSetText = 621;
constexpr int kNewSetText = 622;
constexpr int kDeleteSetText = 623;
constexpr int kFrameText = 624;
constexpr std::array<int, DlgCSP2Data::kTableCount> kTableTexts = {625, 626, 627};
constexpr int kReportText = 628;
constexpr int kReportSingleText = 629;
constexpr int kCheckText = 630;
constexpr int kNewSetQuestion = 631;
constexpr int kNewSetCaption = 632;
constexpr int kProposedName = 171;
constexpr int kReportCaption = 633;
constexpr UINT kAddIcon = 212;
constexpr UINT kDeleteIcon = 206;
constexpr UINT kImportIcon = 232;
constexpr UINT kExportIcon = 233;
constexpr int kAddTip = 616;
constexpr int kDeleteTip = 617;
constexpr int kImportTip = 618;
constexpr int kExportTip = 619;
constexpr int kNameEmpty = 20517;
constexpr int kCannotHold = 20526;
constexpr int kCannotRead = 20527;
constexpr int kTableInOrder = 20529;
constexpr int kNoFolder = 20530;
constexpr int kTableFault = 20531;

using C = CResizer;
using Ids = Vdn_DlgCSP2::TableIds;

constexpr C::CBorder kFromLeft{C::eFixed, C::IDC_MAIN, C::eLeft};
constexpr C::CBorder kFromTop{C::eFixed, C::IDC_MAIN, C::eTop};
constexpr C::CBorder kFromRight{C::eFixed, C::IDC_MAIN, C::eRight};
constexpr C::CBorder kFromBottom{C::eFixed, C::IDC_MAIN, C::eBottom};
constexpr C::CBorder kKeepWidth{C::eWidth};
constexpr C::CBorder kKeepHeight{C::eHeight};

constexpr C::CBorder fixedTo(int id, C::Side side) {
    return C::CBorder{C::eFixed, static_cast<UINT>(id), side};
}

constexpr C::CBorder shareOf(C::Side side) {
    return C::CBorder{C::eProportional, C::IDC_MAIN, side};
}

const wchar_t* extensionOf(int table) {
    return table == DlgCSP2Data::kStock ? L"shp" : L"buy";
}

} // namespace

Vdn_DlgCSP2::Vdn_DlgCSP2(CWnd* parent) : ResizableDialog(IDD, parent, kSizeKey) {
    onCommand(kSetCombo, CBN_SELCHANGE, [this] { chooseSet(); });
    onCommand(kNewSet, BN_CLICKED, [this] { newSet(); });
    onCommand(kDeleteSet, BN_CLICKED, [this] { deleteSet(); });
    onCommand(kReport, BN_CLICKED, [this] { report(); });
    onCommand(kCheck, BN_CLICKED, [this] { check(); });
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        const Ids& ids = kTables[static_cast<std::size_t>(table)];
        onCommand(ids.add, BN_CLICKED, [this, table] { addRow(table); });
        onCommand(ids.remove, BN_CLICKED, [this, table] { deleteRow(table); });
        if (ids.import != 0) {
            onCommand(ids.import, BN_CLICKED, [this, table] { importTable(table); });
            onCommand(ids.exportTo, BN_CLICKED, [this, table] { exportTable(table); });
        }
    }
}

Vdn_String Vdn_DlgCSP2::cuttingStockFolder() {
    return gSettings.libDir() + L"Cutting Stock\\";
}

BOOL Vdn_DlgCSP2::OnInitDialog() {
    CDialog::OnInitDialog();
    layOut();
    // Never smaller than the template: the three tables and their buttons need that room.
    keepPresentSizeAsMinimum(CSize(200, 130));

    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table)
        setUpSheet(table);

    SetWindowText(dialString(kCaption).str());
    for (const auto& [id, text] :
         {std::pair{IDOK, kOkText}, std::pair{IDCANCEL, kCancelText},
          std::pair{kSetLabel, kSetText}, std::pair{kNewSet, kNewSetText},
          std::pair{kDeleteSet, kDeleteSetText}, std::pair{kFrame, kFrameText},
          std::pair{kCheck, kCheckText},
          std::pair{kReport, data_.singleTable ? kReportSingleText : kReportText}})
        SetDlgItemText(id, dialString(text).str());

    std::size_t button = 0;
    const auto image = [this, &button](int id, UINT icon, int tip) {
        CButtonST& control = buttons_[button++];
        attachIconButton(control, this, id, icon, dialString(tip).str());
    };
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        const Ids& ids = kTables[static_cast<std::size_t>(table)];
        SetDlgItemText(ids.frame, dialString(kTableTexts[static_cast<std::size_t>(table)]).str());
        image(ids.add, kAddIcon, kAddTip);
        image(ids.remove, kDeleteIcon, kDeleteTip);
        if (ids.import != 0) {
            image(ids.import, kImportIcon, kImportTip);
            image(ids.exportTo, kExportIcon, kExportTip);
        }
    }

    const auto hide = [this](int id) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
    };
    if (data_.singleTable) {
        for (const int id : {kNewSet, kDeleteSet, kFrame, kTables[0].frame, kTables[0].sheet,
                             kTables[2].sheet, kTables[2].import})
            hide(id);
        for (const Ids& ids : kTables) {
            hide(ids.add);
            hide(ids.remove);
        }
        if (CWnd* exportBuy = GetDlgItem(kTables[2].exportTo))
            exportBuy->EnableWindow(FALSE);
    } else {
        hide(kCheck);
    }

    fillSets(data_.setIds.isEmpty() ? -1 : 0);
    restoreSize();
    return TRUE;
}

void Vdn_DlgCSP2::layOut() {
    const Ids& parts = kTables[0];
    const Ids& stock = kTables[1];
    const Ids& buy = kTables[2];
    const std::array<C::CBorderInfo, 25> layout = {{
        {kSetLabel, kFromLeft, kFromTop, kKeepWidth, kKeepHeight},
        {kSetCombo, kFromLeft, kFromTop, kKeepWidth, kKeepHeight},
        {kNewSet, kFromLeft, kFromTop, kKeepWidth, kKeepHeight},
        {kDeleteSet, kFromLeft, kFromTop, kKeepWidth, kKeepHeight},
        {kFrame, kFromLeft, kFromTop, kFromRight, kFromBottom},
        // The tables share the width: parts take their share, buy what stock leaves.
        {static_cast<UINT>(parts.frame), fixedTo(kFrame, C::eLeft), kFromTop, shareOf(C::eLeft),
         fixedTo(kFrame, C::eBottom)},
        {static_cast<UINT>(stock.frame), fixedTo(parts.frame, C::eRight), kFromTop,
         shareOf(C::eLeft), fixedTo(kFrame, C::eBottom)},
        {static_cast<UINT>(buy.frame), fixedTo(stock.frame, C::eRight), kFromTop,
         fixedTo(kFrame, C::eRight), fixedTo(kFrame, C::eBottom)},
        {static_cast<UINT>(parts.sheet), fixedTo(parts.frame, C::eLeft), kFromTop,
         fixedTo(parts.frame, C::eRight), fixedTo(parts.frame, C::eBottom)},
        {static_cast<UINT>(stock.sheet), fixedTo(stock.frame, C::eLeft), kFromTop,
         fixedTo(stock.frame, C::eRight), fixedTo(stock.frame, C::eBottom)},
        {static_cast<UINT>(buy.sheet), fixedTo(buy.frame, C::eLeft), kFromTop,
         fixedTo(buy.frame, C::eRight), fixedTo(buy.frame, C::eBottom)},
        {static_cast<UINT>(parts.add), fixedTo(parts.frame, C::eLeft),
         fixedTo(parts.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(parts.remove), fixedTo(parts.frame, C::eLeft),
         fixedTo(parts.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(stock.add), fixedTo(stock.frame, C::eLeft),
         fixedTo(stock.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(stock.remove), fixedTo(stock.frame, C::eLeft),
         fixedTo(stock.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(stock.import), fixedTo(stock.frame, C::eRight),
         fixedTo(stock.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(stock.exportTo), fixedTo(stock.frame, C::eRight),
         fixedTo(stock.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(buy.add), fixedTo(buy.frame, C::eLeft), fixedTo(buy.frame, C::eBottom),
         kKeepWidth, kKeepHeight},
        {static_cast<UINT>(buy.remove), fixedTo(buy.frame, C::eLeft),
         fixedTo(buy.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(buy.import), fixedTo(buy.frame, C::eRight),
         fixedTo(buy.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {static_cast<UINT>(buy.exportTo), fixedTo(buy.frame, C::eRight),
         fixedTo(buy.frame, C::eBottom), kKeepWidth, kKeepHeight},
        {kReport, kFromLeft, kFromBottom, kKeepWidth, kKeepHeight},
        {kCheck, kFromLeft, kFromBottom, kKeepWidth, kKeepHeight},
        {IDOK, kFromRight, kFromBottom, kKeepWidth, kKeepHeight},
        {IDCANCEL, kFromRight, kFromBottom, kKeepWidth, kKeepHeight},
    }};
    followLayout(layout);
}

void Vdn_DlgCSP2::setUpSheet(int table) {
    Vdn_Spread& spread = sheet(table);
    const Ids& ids = kTables[static_cast<std::size_t>(table)];
    if (!spread.attachToDlgItem(this, ids.sheet) || !spread.setStandardLook(0))
        return;
    spread.SSSetBool(Vdn_Spread::kOptionRowHeaders, false);
    const Vdn_StringArray& headers = data_.tables[static_cast<std::size_t>(table)].headers;
    spread.setMaxCols(std::max(1, headers.length()));
    spread.setMaxRows(0);
    spread.setColumnNames(headers);
    spread.setHeaderFonts();
    spread.setSizeMode(1);
}

void Vdn_DlgCSP2::fillSets(int index) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kSetCombo));
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (const Vdn_String& name : data_.setNames)
        combo->AddString(name.str());
    showSet(index);
}

void Vdn_DlgCSP2::showSet(int index) {
    const bool shown = data_.setIds.isValidIndex(index);
    shownSet_ = shown ? data_.setIds[index] : DlgCSP2Data::kNoSet;
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kSetCombo)))
        combo->SetCurSel(shown ? index : -1);
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        Vdn_Spread& spread = sheet(table);
        const Vdn_Array<Vdn_StringArray> rows = data_.rowsOf(table, shownSet_);
        // A row wider than the headers (read from a file) keeps its further cells.
        int columns = std::max(1, data_.tables[static_cast<std::size_t>(table)].headers.length());
        for (const Vdn_StringArray& row : rows)
            columns = std::max(columns, row.length());
        spread.setMaxCols(columns);
        spread.setMaxRows(rows.length());
        spread.clearRows(1, rows.length());
        for (int row = 0; row < rows.length(); ++row)
            spread.setRowTexts(row + 1, rows[row]);
        // Texts, numbers too: a length stays as it was typed ("2500,5").
        if (rows.length() > 0)
            spread.setEditCells(1, 1, spread.maxCols(), rows.length(), Vdn_Spread::kEditStyle, 0);
        spread.setAllFonts();
        spread.setSizeMode(1);
    }
    // Rows need a set to belong to.
    const bool singleTable = data_.singleTable;
    for (const Ids& ids : kTables) {
        for (const int id : {ids.add, ids.remove, ids.import, ids.exportTo}) {
            CWnd* control = id != 0 ? GetDlgItem(id) : nullptr;
            if (control != nullptr && !(singleTable && id == kTables[2].exportTo))
                control->EnableWindow(shown ? TRUE : FALSE);
        }
    }
    if (CWnd* remove = GetDlgItem(kDeleteSet))
        remove->EnableWindow(shown ? TRUE : FALSE);
}

void Vdn_DlgCSP2::storeSet() {
    if (shownSet_ == DlgCSP2Data::kNoSet)
        return;
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        Vdn_Array<Vdn_StringArray> rows;
        // A sheet that could not be made holds nothing to store: the set keeps its rows.
        if (sheet(table).getAllRows(rows))
            data_.replaceRows(table, shownSet_, rows);
    }
}

void Vdn_DlgCSP2::chooseSet() {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kSetCombo));
    if (combo == nullptr)
        return;
    storeSet();
    showSet(combo->GetCurSel());
}

void Vdn_DlgCSP2::newSet() {
    Vdn_DlgPromptString prompt(this);
    prompt.caption = dialString(kNewSetCaption);
    prompt.label = dialString(kNewSetQuestion);
    prompt.value = dialString(kProposedName);
    if (prompt.DoModal() != IDOK)
        return;
    const Vdn_String name = prompt.value.trim();
    if (name.isEmpty()) {
        warn(dialString(kNameEmpty));
        return;
    }
    storeSet();
    data_.addSet(name);
    fillSets(data_.setIds.length() - 1);
}

void Vdn_DlgCSP2::deleteSet() {
    const int index = data_.indexOfSet(shownSet_);
    if (index < 0)
        return;
    data_.deleteSet(shownSet_);
    shownSet_ = DlgCSP2Data::kNoSet; // its rows are gone; nothing is stored for it
    fillSets(std::min(index, data_.setIds.length() - 1));
}

void Vdn_DlgCSP2::addRow(int table) {
    if (shownSet_ == DlgCSP2Data::kNoSet)
        return;
    Vdn_Spread& spread = sheet(table);
    const int row = spread.appendRow();
    if (row >= 1) {
        spread.setEditCells(1, row, spread.maxCols(), row, Vdn_Spread::kEditStyle, 0);
        spread.setAllFonts();
        spread.SSSetActiveCell(1, row);
    }
}

void Vdn_DlgCSP2::deleteRow(int table) {
    Vdn_Spread& spread = sheet(table);
    const int row = spread.activeRow();
    if (row >= 1 && row <= spread.maxRows())
        spread.deleteRow(row);
}

Vdn_String Vdn_DlgCSP2::chooseFile(int table, bool open) {
    const Vdn_String folder = cuttingStockFolder();
    if (!core::createFolder(folder)) {
        warn(dialString(kNoFolder) + L":\n" + folder);
        return {};
    }
    const std::wstring extension = extensionOf(table);
    std::wstring frameText;
    GetDlgItemText(kTables[static_cast<std::size_t>(table)].frame, frameText);
    const std::wstring filter = frameText + L" (*." + extension + L")|*." + extension + L"||";
    CFileDialog dialog(open ? TRUE : FALSE, extension, L"",
                       open ? OFN_HIDEREADONLY | OFN_FILEMUSTEXIST
                            : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       filter, this);
    dialog.m_ofn.lpstrInitialDir = folder.str();
    if (dialog.DoModal() != IDOK)
        return {};
    Vdn_String path(dialog.GetPathName());
    if (!path.toLower().str().ends_with(L"." + extension))
        path = path + L"." + extension;
    return path;
}

void Vdn_DlgCSP2::importTable(int table) {
    storeSet();
    if (shownSet_ == DlgCSP2Data::kNoSet)
        return;
    const Vdn_String path = chooseFile(table, true);
    if (path.isEmpty())
        return;
    Vdn_Array<Vdn_StringArray> rows;
    std::string problem;
    if (!csp::CspTableFile::read(path, rows, problem)) {
        warn(dialString(kCannotRead) + L":\n" + Vdn_String::fromUtf8(problem));
        return;
    }
    data_.replaceRows(table, shownSet_, rows);
    showSet(data_.indexOfSet(shownSet_));
}

void Vdn_DlgCSP2::exportTable(int table) {
    storeSet();
    if (shownSet_ == DlgCSP2Data::kNoSet)
        return;
    // Refused before a name is asked, so that nothing is chosen in vain.
    const Vdn_Array<Vdn_StringArray> rows = data_.rowsOf(table, shownSet_);
    std::wstring text;
    std::string problem;
    if (!csp::CspTableFile::format(rows, text, problem)) {
        warn(dialString(kCannotHold) + L":\n" + Vdn_String::fromUtf8(problem));
        return;
    }
    const Vdn_String path = chooseFile(table, false);
    if (path.isEmpty())
        return;
    if (!csp::CspTableFile::write(path, rows, problem))
        warn(dialString(kCannotHold) + L":\n" + Vdn_String::fromUtf8(problem));
}

void Vdn_DlgCSP2::report() {
    storeSet();
    DlgInfoData info;
    info.title = dialString(kReportCaption);
    info.lines = cspOverview(data_, shownSet_, cuttingStockFolder());
    ExportStartDlgInfo(info);
}

void Vdn_DlgCSP2::check() {
    storeSet();
    csp::CspSetTables tables;
    tables.stock = data_.rowsOf(DlgCSP2Data::kStock, shownSet_);
    csp::CuttingProblem problem;
    std::vector<std::string> problems;
    if (csp::problemFromTables(tables, problem, problems)) {
        MessageBox(dialString(kTableInOrder).str(), dialString(kCaption).str(),
                   MB_OK | MB_ICONINFORMATION);
        return;
    }
    Vdn_String text = dialString(kTableFault) + L":";
    for (const std::string& bad : problems)
        text = text + L"\n" + Vdn_String::fromUtf8(bad);
    warn(text);
}

void Vdn_DlgCSP2::OnOK() {
    storeSet();
    CDialog::OnOK();
}

void Vdn_DlgCSP2::warn(const Vdn_String& text) {
    MessageBox(text.str(), dialString(kCaption).str(), MB_OK | MB_ICONEXCLAMATION);
}
