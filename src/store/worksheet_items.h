#pragma once
// The item list of one worksheet type: a flat sequence of (instance, tag,
// slot) items, as the data file holds it, kept grouped by instance so that
// unpacking or packing one instance costs only that instance's items and a
// search, whatever the number of instances.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "store/datatype.h"

namespace cgt {

class WorksheetItems {
    struct Group {
        std::uint16_t instance = 0;
        std::vector<WorksheetItem> items;
    };

public:
    template <bool Const>
    class Iterator {
        using Groups = std::conditional_t<Const, const std::vector<Group>, std::vector<Group>>;

    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = WorksheetItem;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Const, const WorksheetItem*, WorksheetItem*>;
        using reference = std::conditional_t<Const, const WorksheetItem&, WorksheetItem&>;

        Iterator() = default;
        Iterator(Groups* groups, std::size_t group, std::size_t item) : groups_(groups), group_(group), item_(item) {
            SkipEmpty();
        }
        reference operator*() const { return (*groups_)[group_].items[item_]; }
        pointer operator->() const { return &**this; }
        Iterator& operator++() {
            ++item_;
            SkipEmpty();
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const Iterator& o) const { return group_ == o.group_ && item_ == o.item_; }

    private:
        void SkipEmpty() {
            while (groups_ && group_ < groups_->size() && item_ >= (*groups_)[group_].items.size()) {
                ++group_;
                item_ = 0;
            }
        }
        Groups* groups_ = nullptr;
        std::size_t group_ = 0;
        std::size_t item_ = 0;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    iterator begin() { return {&groups_, 0, 0}; }
    iterator end() { return {&groups_, groups_.size(), 0}; }
    const_iterator begin() const { return {&groups_, 0, 0}; }
    const_iterator end() const { return {&groups_, groups_.size(), 0}; }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const WorksheetItem& back() const;
    void clear();
    // Appends an item after the last one, as a file or a caller lists them.
    void push_back(WorksheetItem item);

    // The items of one instance, in list order (copies).
    std::vector<WorksheetItem> Instance(int instance) const;
    // Calls `visit` for each item of one instance, in list order.
    template <typename Visit>
    void ForEachOf(int instance, Visit visit) const {
        for (std::size_t g = Find(instance); g < groups_.size(); ++g)
            if (groups_[g].instance == instance)
                for (const WorksheetItem& item : groups_[g].items) visit(item);
            else if (sorted_)
                break;
    }
    // Replaces the items of an instance (where they stood, or in instance
    // order when it had none). The items' instance numbers are set to it.
    void ReplaceInstance(int instance, std::vector<WorksheetItem> items);
    // Removes an instance; every higher instance moves down by one.
    void RemoveInstanceAndRenumber(int instance);

private:
    // Index of the first group of the instance (or where it would go).
    std::size_t Find(int instance) const;

    std::vector<Group> groups_;
    std::size_t size_ = 0;
    // Instances ascend from group to group, as every list this system writes
    // does; a list read from elsewhere may not, and is then searched in full.
    bool sorted_ = true;
};

}  // namespace cgt
