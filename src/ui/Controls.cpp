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

} // namespace quarl::ui
