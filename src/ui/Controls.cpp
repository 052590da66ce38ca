#include "ui/Controls.h"

namespace quarl::ui {

void ListBox::setMultiSelect(bool value) {
    if (multiSelect_ == value)
        return;
    multiSelect_ = value;
    if (!multiSelect_)
        for (std::size_t i = 0; i < selected_.size(); ++i)
            selected_[i] = static_cast<int>(i) == itemIndex_ && selected_[i];
}

void ListBox::setSelected(std::size_t index, bool value) {
    if (index >= selected_.size())
        return;
    if (!multiSelect_ && value) {
        setItemIndex(static_cast<int>(index));
        return;
    }
    selected_[index] = value;
}

void ListBox::setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size()))
        index = -1;
    itemIndex_ = index;
    if (!multiSelect_)
        for (std::size_t i = 0; i < selected_.size(); ++i)
            selected_[i] = static_cast<int>(i) == index;
}

Grid::Grid(std::string controlName, std::vector<Column> gridColumns)
    : Control(std::move(controlName)), columns(std::move(gridColumns)),
      rows_(1, Row(columns.size())) {}

void Grid::setRowCount(std::size_t count) {
    rows_.resize(std::max<std::size_t>(count, 1), Row(columns.size()));
    selectRow(selected_);
}

void Grid::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    for (auto& row : rows_)
        row.resize(columns.size());
    if (rows_.empty())
        rows_.emplace_back(columns.size());
    selectRow(selected_);
}

std::size_t Grid::addRow() {
    rows_.emplace_back(columns.size());
    return rows_.size() - 1;
}

void Grid::deleteRow(std::size_t index) {
    if (index >= rows_.size())
        return;
    if (rows_.size() == 1)
        rows_.front().assign(columns.size(), std::string());
    else
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    selectRow(selected_);
}

void Grid::moveRow(std::size_t from, std::size_t to) {
    if (from >= rows_.size() || to >= rows_.size() || from == to)
        return;
    auto moving = std::move(rows_[from]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
    if (selected_ == from)
        selected_ = to;
    else if (from < selected_ && selected_ <= to)
        --selected_;
    else if (to <= selected_ && selected_ < from)
        ++selected_;
}

} // namespace quarl::ui
