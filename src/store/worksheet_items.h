#pragma once
// The item list of one worksheet type: a flat sequence of (instance, tag,
// slot) items, as the data file holds it, kept grouped by instance so that
// unpacking or packing one instance costs only that instance's items and a
// search, whatever the number of instances.
//
// An investor's return holds tens of thousands of instances, and an item
// as a slot takes many times its record in the file. So the instances not
// in use are kept as their records (packed), and an instance is unpacked
// into items while it is unpacked into the working tags or changed. Packing
// never shows: an instance is packed only when its record reads back as the
// same items and nothing outside holds one of its lists, so that the lists
// an unpacked instance shares with the working tags stay shared.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <numeric>
#include <span>
#include <vector>

#include "store/datatype.h"

namespace cgt {

class WorksheetItems {
    struct Group {
        std::uint16_t instance = 0;
        bool packed = false;
        std::size_t count = 0;              // items, packed or not
        std::vector<WorksheetItem> items;   // unless packed
        std::vector<std::uint8_t> records;  // when packed
    };

public:
    // Reading goes through the items; those of a packed instance are read
    // back from their records into a copy the iterator holds (and its
    // copies), so a reference stays good while such an iterator lives.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = WorksheetItem;
        using difference_type = std::ptrdiff_t;
        using pointer = const WorksheetItem*;
        using reference = const WorksheetItem&;

        const_iterator() = default;
        const_iterator(const std::vector<Group>* groups, std::size_t group) : groups_(groups), group_(group) {
            Settle();
        }
        reference operator*() const {
            const Group& g = (*groups_)[group_];
            return g.packed ? (*read_)[item_] : g.items[item_];
        }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            ++item_;
            Settle();
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& o) const { return group_ == o.group_ && item_ == o.item_; }

    private:
        void Settle();
        const std::vector<Group>* groups_ = nullptr;
        std::size_t group_ = 0;
        std::size_t item_ = 0;
        std::shared_ptr<const std::vector<WorksheetItem>> read_;  // of the packed group group_
        std::size_t readGroup_ = std::size_t(-1);
    };

    // Writing through the items unpacks every instance first.
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = WorksheetItem;
        using difference_type = std::ptrdiff_t;
        using pointer = WorksheetItem*;
        using reference = WorksheetItem&;

        iterator() = default;
        iterator(std::vector<Group>* groups, std::size_t group) : groups_(groups), group_(group) { SkipEmpty(); }
        reference operator*() const { return (*groups_)[group_].items[item_]; }
        pointer operator->() const { return &**this; }
        iterator& operator++() {
            ++item_;
            SkipEmpty();
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const iterator& o) const { return group_ == o.group_ && item_ == o.item_; }

    private:
        void SkipEmpty() {
            while (groups_ && group_ < groups_->size() && item_ >= (*groups_)[group_].items.size()) {
                ++group_;
                item_ = 0;
            }
        }
        std::vector<Group>* groups_ = nullptr;
        std::size_t group_ = 0;
        std::size_t item_ = 0;
    };

    const_iterator begin() const { return {&groups_, 0}; }
    const_iterator end() const { return {&groups_, groups_.size()}; }
    iterator begin() {
        UnpackAll();
        return {&groups_, 0};
    }
    iterator end() { return {&groups_, groups_.size()}; }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const WorksheetItem& back() const;
    // The instance of the last item; 0 when there is none.
    int LastInstance() const;
    // Each instance's items stand together, instances in ascending order.
    bool InstancesAscend() const { return sorted_; }
    void clear();
    // Appends an item after the last one, as a file or a caller lists them.
    void push_back(WorksheetItem item);
    // The same for an item given as its record, one AppendItemRecord would
    // make of it (as a data file is read).
    void AppendRecord(std::span<const std::uint8_t> record);

    // The items of one instance, in list order (copies).
    std::vector<WorksheetItem> Instance(int instance) const;
    // Calls `visit` for each item of one instance, in list order.
    template <typename Visit>
    void ForEachOf(int instance, Visit visit) const {
        for (std::size_t g = Find(instance); g < groups_.size(); ++g)
            if (groups_[g].instance == instance)
                VisitGroup(groups_[g], visit);
            else if (sorted_)
                break;
    }
    // The same on the instance unpacked, so that its lists are those of the
    // items themselves (shared with whoever takes them).
    template <typename Visit>
    void ForEachOf(int instance, Visit visit) {
        PackOthers(instance);
        for (std::size_t g = Find(instance); g < groups_.size(); ++g)
            if (groups_[g].instance == instance) {
                Unpack(groups_[g]);
                for (const WorksheetItem& item : groups_[g].items) visit(item);
            } else if (sorted_) {
                break;
            }
    }
    // Calls `visit` for every item, the instances in ascending order and the
    // items of each in list order, in whatever order the list holds them.
    template <typename Visit>
    void ForEachByInstance(Visit visit) const {
        if (sorted_) {
            for (const Group& g : groups_) VisitGroup(g, visit);
            return;
        }
        std::vector<std::size_t> order(groups_.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return groups_[a].instance < groups_[b].instance; });
        for (const std::size_t g : order) VisitGroup(groups_[g], visit);
    }
    // Replaces the items of an instance (where they stood, or in instance
    // order when it had none). The items' instance numbers are set to it.
    void ReplaceInstance(int instance, std::vector<WorksheetItem> items);
    // Removes an instance; every higher instance moves down by one.
    void RemoveInstanceAndRenumber(int instance);

    // Packs every instance that can be.
    void Pack();
    // The records of every item, in list order, as the data file holds them.
    void AppendRecords(std::vector<std::uint8_t>& out) const;
    // Their size.
    std::size_t RecordBytes() const;

private:
    // Index of the first group of the instance (or where it would go).
    std::size_t Find(int instance) const;
    template <typename Visit>
    static void VisitGroup(const Group& g, Visit& visit) {
        if (!g.packed) {
            for (const WorksheetItem& item : g.items) visit(item);
            return;
        }
        // Read one at a time into the same item: nothing is kept.
        WorksheetItem item;
        const std::uint8_t* record = g.records.data();
        for (std::size_t i = 0; i < g.count; ++i) {
            record += ReadRecord(record, item);
            visit(item);
        }
    }
    static std::size_t ReadRecord(const std::uint8_t* record, WorksheetItem& item);
    static std::vector<WorksheetItem> ReadGroup(const Group& g);
    void Unpack(Group& g);
    void UnpackAll();
    bool TryPack(Group& g);
    // Packs the unpacked instances other than `keep` that can be.
    void PackOthers(int keep);
    void NoteUnpacked(std::uint16_t instance);
    // Starts the group of an item of another instance than the last one.
    void StartGroup(std::uint16_t instance, bool packed);

    std::vector<Group> groups_;
    std::size_t size_ = 0;
    // Instances ascend from group to group, as every list this system writes
    // does; a list read from elsewhere may not, and is then searched in full.
    bool sorted_ = true;
    // The instances with a group unpacked: few at any time.
    std::vector<std::uint16_t> unpacked_;
    mutable WorksheetItem back_;  // the last item of a packed group, for back()
};

}  // namespace cgt
