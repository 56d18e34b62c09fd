// The radio group's selection rules.
#include "ui/radio_group.h"

#include <algorithm>
#include <stdexcept>

TRadioGroup::TRadioGroup(std::string caption, std::vector<std::string> items, std::int32_t itemIndex)
    : caption_(std::move(caption)), names_(items), items_(std::move(items)), empty_(items_.size(), false),
      itemIndex_(std::clamp<std::int32_t>(itemIndex, -1, static_cast<std::int32_t>(items_.size()) - 1)) {}

void TRadioGroup::SetItem(std::int32_t index, std::string label, bool empty) {
    items_.at(static_cast<std::size_t>(index)) = std::move(label);
    empty_.at(static_cast<std::size_t>(index)) = empty;
    Changed();
}

void TRadioGroup::SetItems(std::vector<TRadioItem> items) {
    if (items.size() > items_.size()) throw std::out_of_range("TRadioGroup::SetItems: more items than the group has");
    for (std::size_t i = 0; i < items.size(); ++i) {
        items_[i] = std::move(items[i].Label);
        empty_[i] = items[i].Empty;
    }
    Changed();
}

void TRadioGroup::SetItemIndex(std::int32_t value) {
    value = std::max<std::int32_t>(value, -1);
    value = std::min<std::int32_t>(value, Count() - 1);
    if (value == itemIndex_) return;
    itemIndex_ = value;
    Changed();
    if (value >= 0 && OnClick) OnClick();
}

void TRadioGroup::UserClick(std::int32_t index) {
    if (index < 0 || index >= Count() || index == itemIndex_) return;
    itemIndex_ = index;
    Changed();
    if (OnClick) OnClick();
}

void TRadioGroup::Changed() {
    if (OnChange) OnChange();
}
