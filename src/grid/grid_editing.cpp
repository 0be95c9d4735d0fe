#include "base/dialogs.h"
#include "grid/grid_model.h"

namespace cgt {

TypedChar GridModel::TypeChar(int col, std::string_view editorText, bool hasSelection, char ch) {
    const TypedChar r = FilterTypedChar(Spec(col), editorText, hasSelection, ch);
    // Control characters (Tab, Enter) pass through but change nothing.
    if (r.accepted && static_cast<unsigned char>(r.ch) >= ' ' && r.ch != '\x7f') modified_ = true;
    return r;
}

void GridModel::RefreshPickList(int col, int row) {
    if (!OnPicklistDropdown) return;
    std::vector<std::string> items = Spec(col).pickList;
    OnPicklistDropdown(col, row, items);
    MutableSpec(col).pickList = std::move(items);
}

const std::string& GridModel::EnterCell(int col, int row) {
    const ColumnSpec& spec = Spec(col);
    if (spec.IsStrictPickList()) RefreshPickList(col, row);
    if (row < 0 || row >= RowCount()) return Cell(col, row);
    if (!Spec(col).HasDefaultSet()) {
        const std::string& text = Cell(col, row);
        std::string kept;
        for (char c : text)
            if (Spec(col).Allows(c)) kept += c;
        if (kept != text) SetCell(col, row, std::move(kept));
    }
    return Cell(col, row);
}

bool GridModel::LeaveCell(int col, int row, int targetCol, int targetRow, Dialogs& dialogs) {
    const CellCheckResult res = CheckCell(col, row);
    for (const GridMessage& m : res.messages) {
        if (m.beep) dialogs.Beep();
        dialogs.Error(m.text);
    }
    if (!res.accepted) return false;
    bool enterExitCell = true;
    if (OnExitCell) OnExitCell(col, row, targetCol, targetRow, enterExitCell);
    return enterExitCell;
}

void GridModel::LoseFocus(int col, int row, Dialogs& dialogs) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    const CellCheckResult res = CheckCell(col, row);
    for (const GridMessage& m : res.messages) {
        if (m.beep) dialogs.Beep();
        dialogs.Error(m.text);
    }
    if (!res.accepted) {
        SetCell(col, row, std::string());
        return;
    }
    // The screen still hears that the cell was left, so that what it derives
    // from the cell is up to date when the user clicks elsewhere.
    bool enterExitCell = true;
    if (OnExitCell) OnExitCell(col, row, col, row, enterExitCell);
}

bool GridModel::ConfirmDeleteRow(int row, Dialogs& dialogs) {
    if (DoNotDelete) {
        dialogs.Error(kRowDeletionRefusedMessage);
        return false;
    }
    if (RowCount() <= 1 || row < 1 || row >= RowCount()) return false;
    if (dialogs.Message(kConfirmRowDeletionMessage, "Confirm", MsgIcon::Question, MsgButtons::OkCancel,
                        MsgResult::Ok) != MsgResult::Ok)
        return false;
    // Keep one data row.
    if (RowCount() == 2) InsertRow(row + 1);
    DeleteRow(row);
    modified_ = true;
    return true;
}

bool GridModel::MovePastLastRow(int row) {
    if (!RowAutoInc || row != RowCount() - 1) return false;
    AddRow();
    return true;
}

GridCell GridModel::ChoosePickItem(int col, int row, const std::string& item) {
    const ColumnSpec& spec = Spec(col);
    SetCell(col, row, spec.maxLength > 0 ? item.substr(0, std::size_t(spec.maxLength)) : item);
    modified_ = true;
    if (col + 1 < ColCount()) return {col + 1, row};
    if (row >= RowCount() - 1) AddRow();
    return {0, row + 1};
}

int GridModel::PickListMatch(int col, std::string_view text) const {
    const auto& items = Spec(col).pickList;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].compare(0, text.size(), text) == 0) return int(i);
    return -1;
}

}  // namespace cgt
