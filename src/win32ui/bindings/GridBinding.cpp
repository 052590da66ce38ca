#include "win32ui/bindings/GridBinding.h"

#include "base/ScopeExit.h"
#include "platform/win32/Text.h"
#include "win32ui/FormView.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace quarl::win32ui {

namespace {

using platform::win32::Widen;

class GridBinding final : public Binding {
public:
    GridBinding(const BindingSite& site, ui::Grid& grid)
        : Binding(site, grid), grid_(grid),
          header_(reinterpret_cast<HWND>(SendMessageW(site.window, LVM_GETHEADER, 0, 0))) {}
    ~GridBinding() override {
        if (rowImages_)
            ImageList_Destroy(rowImages_);
    }

    bool message(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool tracksMouse() const override { return dragFrom_ >= 0; }
    void pull() override { pullWidths(); }

private:
    void reconcileContent(bool first) override;
    void pushColumns(bool first);
    void pushRows();
    void pushSelection();
    void pushRowHeight();
    bool notification(const NMHDR& header, INT_PTR& result);
    bool mouse(UINT message, LPARAM lParam);
    void pullWidths();
    void showPopup(POINT screen);
    // The row under a point of the dialog's client area, clamped to the rows there are.
    int rowAt(POINT dialogPoint) const;
    void dropHighlight(int row);
    int scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    int unscaled(int pixels) const { return MulDiv(pixels, 96, dpi_); }

    ui::Grid& grid_;
    HWND header_;
    HIMAGELIST rowImages_ = nullptr;
    // What the list view shows, as last pushed or read.
    std::vector<ui::Grid::Column> columns_;
    std::vector<ui::Grid::Row> rows_;
    int selected_ = -1;
    int rowHeight_ = -1;
    int gridLines_ = -1;
    int dpi_ = 96;
    // The list view's own notifications while the view fills it are not the player's.
    bool pushing_ = false;
    int dragFrom_ = -1;
    int highlighted_ = -1;
};

void GridBinding::reconcileContent(bool first) {
    base::FlagScope pushing(pushing_);
    // The view's own scale: asking the system on every reconcile would be work on a hot path.
    const int dpi = site_.dpi ? *site_.dpi : 96;
    const bool rescaled = dpi != dpi_;
    dpi_ = dpi;
    if (first) {
        SendMessageW(site_.window, LVM_SETEXTENDEDLISTVIEWSTYLE,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    }
    const int gridLines = grid_.gridLines ? 1 : 0;
    if (gridLines_ != gridLines) {
        gridLines_ = gridLines;
        SendMessageW(site_.window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES,
                     gridLines ? LVS_EX_GRIDLINES : 0);
    }
    pushColumns(first || rescaled);
    pushRows();
    if (rescaled || rowHeight_ != grid_.rowHeight)
        pushRowHeight();
    pushSelection();
}

void GridBinding::pushColumns(bool all) {
    const auto& columns = grid_.columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring header = Widen(columns[i].header);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = header.data();
        column.cx = scaled(columns[i].width);
        if (i >= columns_.size()) {
            SendMessageW(site_.window, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
            columns_.push_back(columns[i]);
            continue;
        }
        if (!all && columns_[i].header == columns[i].header &&
            columns_[i].width == columns[i].width)
            continue;
        SendMessageW(site_.window, LVM_SETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        columns_[i] = columns[i];
    }
}

void GridBinding::pushRows() {
    const auto count = grid_.rowCount();
    for (auto row = rows_.size(); row < count; ++row) {
        LVITEMW item{};
        item.iItem = static_cast<int>(row);
        SendMessageW(site_.window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        rows_.emplace_back(grid_.columns.size());
    }
    while (rows_.size() > count) {
        rows_.pop_back();
        SendMessageW(site_.window, LVM_DELETEITEM, rows_.size(), 0);
        if (selected_ == static_cast<int>(rows_.size()))
            selected_ = -1;
    }
    for (std::size_t row = 0; row < count; ++row) {
        const auto& cells = grid_.row(row);
        for (std::size_t column = 0; column < cells.size() && column < rows_[row].size();
             ++column) {
            if (rows_[row][column] == cells[column])
                continue;
            rows_[row][column] = cells[column];
            std::wstring text = Widen(cells[column]);
            LVITEMW item{};
            item.iSubItem = static_cast<int>(column);
            item.pszText = text.data();
            SendMessageW(site_.window, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
}

// A list view's rows are as high as its text or its small pictures, whichever is higher: an
// empty picture list of the height asked for sets it. Implementations add their own padding,
// so the first row is measured and the pictures corrected by the difference once.
void GridBinding::pushRowHeight() {
    rowHeight_ = grid_.rowHeight;
    const int wanted = scaled(grid_.rowHeight);
    const auto setPictureHeight = [this](int height) {
        const HIMAGELIST previous = rowImages_;
        rowImages_ = ImageList_Create(1, std::max(height, 1), ILC_COLOR, 0, 1);
        SendMessageW(site_.window, LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(rowImages_));
        if (previous)
            ImageList_Destroy(previous);
    };
    setPictureHeight(wanted);
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (SendMessageW(site_.window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect))) {
        const int actual = rect.bottom - rect.top;
        if (actual != wanted)
            setPictureHeight(wanted - (actual - wanted));
    }
}

void GridBinding::pushSelection() {
    const int selected = static_cast<int>(grid_.selectedRow());
    if (selected_ == selected)
        return;
    selected_ = selected;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(site_.window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(site_.window, LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageW(site_.window, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
}

void GridBinding::pullWidths() {
    for (std::size_t i = 0; i < grid_.columns.size() && i < columns_.size(); ++i) {
        const int width = static_cast<int>(SendMessageW(site_.window, LVM_GETCOLUMNWIDTH, i, 0));
        // The model keeps the width at 96 DPI; a width that scales back to it is unchanged.
        if (scaled(columns_[i].width) == width)
            continue;
        columns_[i].width = grid_.columns[i].width = unscaled(width);
    }
}

bool GridBinding::message(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message == WM_NOTIFY)
        return notification(*reinterpret_cast<const NMHDR*>(lParam), result);
    if (message == WM_CONTEXTMENU) {
        // The right button, or the keyboard (Shift+F10): then the menu opens at the selected row.
        if (!grid_.popupMenu || !grid_.enabled)
            return false;
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {
            RECT rect{};
            rect.left = LVIR_BOUNDS;
            SendMessageW(site_.window, LVM_GETITEMRECT, grid_.selectedRow(),
                         reinterpret_cast<LPARAM>(&rect));
            point = {rect.left + 8, rect.bottom};
            ClientToScreen(site_.window, &point);
        }
        showPopup(point);
        return true;
    }
    return mouse(message, lParam);
}

bool GridBinding::notification(const NMHDR& header, INT_PTR& result) {
    if (pushing_)
        return false;
    if (header.hwndFrom == header_) {
        switch (header.code) {
        case HDN_BEGINTRACKW:
        case HDN_BEGINTRACKA:
        case HDN_DIVIDERDBLCLICKW:
        case HDN_DIVIDERDBLCLICKA:
            // TRUE keeps the column as it is.
            result = grid_.resizableColumns && grid_.enabled ? FALSE : TRUE;
            return true;
        case HDN_ENDTRACKW:
        case HDN_ENDTRACKA: {
            // Sent before the header takes the new width, and the one a list view passes on
            // everywhere.
            const auto& change = reinterpret_cast<const NMHEADERW&>(header);
            const auto column = static_cast<std::size_t>(change.iItem);
            if (change.pitem && (change.pitem->mask & HDI_WIDTH) && change.iItem >= 0 &&
                column < columns_.size() && column < grid_.columns.size() &&
                scaled(columns_[column].width) != change.pitem->cxy)
                columns_[column].width = grid_.columns[column].width = unscaled(change.pitem->cxy);
            return false;
        }
        case HDN_ITEMCHANGEDW:
        case HDN_ITEMCHANGEDA: pullWidths(); return false;
        default: return false;
        }
    }
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!(change.uChanged & LVIF_STATE) || change.iItem < 0)
            return false;
        const bool was = (change.uOldState & LVIS_SELECTED) != 0;
        const bool is = (change.uNewState & LVIS_SELECTED) != 0;
        if (is && !was) {
            grid_.selectRow(static_cast<std::size_t>(change.iItem));
            selected_ = change.iItem;
        } else if (was && !is && change.iItem == selected_) {
            // A click beside the rows leaves none selected; the model always has one, which
            // the next reconcile shows again.
            selected_ = -1;
        }
        return true;
    }
    case NM_DBLCLK:
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem < 0)
            return false;
        grid_.doubleClick();
        return true;
    case LVN_BEGINDRAG: {
        const int row = reinterpret_cast<const NMLISTVIEW&>(header).iItem;
        if (!grid_.movableRows || !grid_.enabled || row < 0 ||
            row >= static_cast<int>(grid_.rowCount()))
            return false;
        dragFrom_ = row;
        SetCapture(site_.dialog);
        SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
        return true;
    }
    default: return false;
    }
}

bool GridBinding::mouse(UINT message, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_MOUSEMOVE: dropHighlight(rowAt(point)); return true;
    case WM_LBUTTONUP: {
        const int from = std::exchange(dragFrom_, -1);
        dropHighlight(-1);
        if (GetCapture() == site_.dialog)
            ReleaseCapture();
        const int to = rowAt(point);
        if (from >= 0 && to >= 0 && to != from)
            grid_.moveRow(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
        return true;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the drag is given up.
        dragFrom_ = -1;
        dropHighlight(-1);
        return true;
    default: return false;
    }
}

int GridBinding::rowAt(POINT point) const {
    const int count = static_cast<int>(SendMessageW(site_.window, LVM_GETITEMCOUNT, 0, 0));
    if (count <= 0)
        return -1;
    MapWindowPoints(site_.dialog, site_.window, &point, 1);
    const int top = static_cast<int>(SendMessageW(site_.window, LVM_GETTOPINDEX, 0, 0));
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (!SendMessageW(site_.window, LVM_GETITEMRECT, static_cast<WPARAM>(top),
                      reinterpret_cast<LPARAM>(&rect)) ||
        rect.bottom <= rect.top)
        return -1;
    const int offset = point.y - rect.top;
    const int row = top + (offset < 0 ? -1 : offset / (rect.bottom - rect.top));
    return std::clamp(row, 0, count - 1);
}

void GridBinding::dropHighlight(int row) {
    if (row == highlighted_)
        return;
    LVITEMW item{};
    item.stateMask = LVIS_DROPHILITED;
    if (highlighted_ >= 0)
        SendMessageW(site_.window, LVM_SETITEMSTATE, static_cast<WPARAM>(highlighted_),
                     reinterpret_cast<LPARAM>(&item));
    highlighted_ = row;
    item.state = LVIS_DROPHILITED;
    if (row >= 0)
        SendMessageW(site_.window, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
}

void GridBinding::showPopup(POINT screen) {
    auto& menu = *grid_.popupMenu;
    menu.popup(grid_);
    HMENU popup = CreatePopupMenu();
    base::ScopeExit destroy([popup] { DestroyMenu(popup); });
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const auto* item = menu.items[i];
        if (!item) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (!item->visible)
            continue;
        AppendMenuW(popup, MF_STRING | (item->available() ? MF_ENABLED : MF_GRAYED), i + 1,
                    Widen(item->caption).c_str());
    }
    const auto chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       screen.x, screen.y, 0, site_.dialog, nullptr);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= menu.items.size())
        menu.items[static_cast<std::size_t>(chosen) - 1]->click();
}

} // namespace

std::unique_ptr<Binding> MakeBinding(const BindingSite& site, ui::Grid& control) {
    return std::make_unique<GridBinding>(site, control);
}

} // namespace quarl::win32ui
