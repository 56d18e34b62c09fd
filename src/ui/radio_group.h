// A radio group as the program's logic sees it, apart from any toolkit: a
// list of items, each with its fixed name (the folder it stands for), its
// label and an "empty" flag (an item that stands for nothing
// to work on, such as an unused save slot), the selected index, one click
// handler and one change observer. A toolkit's view mirrors it through the
// observer (OnChange) and forwards a user's clicks to UserClick.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One item's label and its empty flag.
struct TRadioItem {
    std::string Label;
    bool Empty = false;
};

class TRadioGroup {
public:
    // The described state: the item at itemIndex is checked and no handler
    // runs. Each item's name is also its first label.
    TRadioGroup(std::string caption, std::vector<std::string> items, std::int32_t itemIndex);

    const std::string& Caption() const { return caption_; }
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    const std::string& Item(std::int32_t index) const { return items_.at(static_cast<std::size_t>(index)); }
    // The name the item was made with, whatever its label says now.
    const std::string& ItemName(std::int32_t index) const { return names_.at(static_cast<std::size_t>(index)); }

    // Whether the item stands for nothing to work on; false until SetItem says so.
    bool ItemEmpty(std::int32_t index) const { return empty_.at(static_cast<std::size_t>(index)); }

    // Replaces a label and its empty flag; keeps the selection and runs no handler.
    void SetItem(std::int32_t index, std::string label, bool empty);
    // Replaces the labels and flags of the first items.size() items at once,
    // so that a view mirrors and lays them out once; keeps the selection and
    // runs no handler.
    void SetItems(std::vector<TRadioItem> items);

    std::int32_t ItemIndex() const { return itemIndex_; }
    // Clamps value to -1 .. Count()-1; when that moves the selection, checks
    // the item, runs OnChange, then OnClick before returning (for -1 OnChange
    // runs, OnClick does not).
    void SetItemIndex(std::int32_t value);

    // A user's click on item index: runs OnClick only when it checks an item
    // that was not checked. A click on the frame or caption never gets here.
    void UserClick(std::int32_t index);

    std::function<void()> OnClick;
    // Called after the checked item or a label changed, so that a view can
    // mirror the model before any click handler runs.
    std::function<void()> OnChange;

private:
    void Changed();

    std::string caption_;
    std::vector<std::string> names_;
    std::vector<std::string> items_;
    std::vector<bool> empty_;
    std::int32_t itemIndex_;
};
