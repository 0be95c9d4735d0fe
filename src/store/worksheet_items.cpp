#include "store/worksheet_items.h"

#include <algorithm>
#include <stdexcept>

#include "store/item_record.h"

namespace cgt {

void WorksheetItems::const_iterator::Settle() {
    while (groups_ && group_ < groups_->size() && item_ >= (*groups_)[group_].count) {
        ++group_;
        item_ = 0;
    }
    if (!groups_ || group_ >= groups_->size() || !(*groups_)[group_].packed || readGroup_ == group_) return;
    // A fresh copy: an earlier copy of this iterator may still point into the last one.
    read_ = std::make_shared<const std::vector<WorksheetItem>>(ReadGroup((*groups_)[group_]));
    readGroup_ = group_;
}

std::size_t WorksheetItems::ReadRecord(const std::uint8_t* record, WorksheetItem& item) {
    return ReadItemRecord(record, item);
}

std::vector<WorksheetItem> WorksheetItems::ReadGroup(const Group& g) {
    std::vector<WorksheetItem> items(g.count);
    const std::uint8_t* p = g.records.data();
    for (WorksheetItem& item : items) p += ReadItemRecord(p, item);
    return items;
}

void WorksheetItems::NoteUnpacked(std::uint16_t instance) {
    if (std::find(unpacked_.begin(), unpacked_.end(), instance) == unpacked_.end()) unpacked_.push_back(instance);
}

void WorksheetItems::Unpack(Group& g) {
    if (!g.packed) return;
    g.items = ReadGroup(g);
    std::vector<std::uint8_t>().swap(g.records);
    g.packed = false;
    NoteUnpacked(g.instance);
}

void WorksheetItems::UnpackAll() {
    for (Group& g : groups_) Unpack(g);
}

bool WorksheetItems::TryPack(Group& g) {
    if (g.packed) return true;
    std::size_t size = 0;
    for (const WorksheetItem& item : g.items) {
        const std::size_t bytes = KeptRecordSize(item);
        if (bytes == 0 || (item.slot.list && item.slot.list.use_count() != 1)) return false;
        size += bytes;
    }
    std::vector<std::uint8_t> records(size);
    std::uint8_t* at = records.data();
    for (const WorksheetItem& item : g.items) at = WriteItemRecord(at, item);
    g.records = std::move(records);
    std::vector<WorksheetItem>().swap(g.items);
    g.packed = true;
    return true;
}

void WorksheetItems::PackOthers(int keep) {
    std::size_t kept = 0;
    for (const std::uint16_t n : unpacked_) {
        bool packed = n != keep;
        if (packed) {
            for (std::size_t g = Find(n); g < groups_.size(); ++g)
                if (groups_[g].instance == n)
                    packed = TryPack(groups_[g]) && packed;
                else if (sorted_)
                    break;
        }
        if (!packed) unpacked_[kept++] = n;
    }
    unpacked_.resize(kept);
}

void WorksheetItems::Pack() {
    PackOthers(-1);
    if (!groups_.empty()) groups_.back().records.shrink_to_fit();
}

const WorksheetItem& WorksheetItems::back() const {
    for (auto g = groups_.rbegin(); g != groups_.rend(); ++g) {
        if (g->count == 0) continue;
        if (!g->packed) return g->items.back();
        back_ = ReadGroup(*g).back();
        return back_;
    }
    throw std::out_of_range("worksheet item list is empty");
}

int WorksheetItems::LastInstance() const {
    for (auto g = groups_.rbegin(); g != groups_.rend(); ++g)
        if (g->count > 0) return g->instance;
    return 0;
}

void WorksheetItems::clear() {
    groups_.clear();
    size_ = 0;
    sorted_ = true;
    unpacked_.clear();
}

void WorksheetItems::StartGroup(std::uint16_t instance, bool packed) {
    // The group before is complete: as a file is read, each is packed in turn.
    PackOthers(-1);
    if (!groups_.empty()) {
        groups_.back().records.shrink_to_fit();
        if (instance < groups_.back().instance) sorted_ = false;
    }
    groups_.push_back({instance, packed, 0, {}, {}});
}

void WorksheetItems::AppendRecord(std::span<const std::uint8_t> record) {
    const auto instance = std::uint16_t(record[0] | record[1] << 8);
    if (groups_.empty() || groups_.back().instance != instance) StartGroup(instance, true);
    Group& g = groups_.back();
    if (!g.packed) {
        WorksheetItem item;
        ReadItemRecord(record.data(), item);
        push_back(std::move(item));
        return;
    }
    g.records.insert(g.records.end(), record.begin(), record.end());
    ++g.count;
    ++size_;
}

void WorksheetItems::push_back(WorksheetItem item) {
    if (groups_.empty() || groups_.back().instance != item.instance) StartGroup(item.instance, false);
    Group& g = groups_.back();
    Unpack(g);
    NoteUnpacked(g.instance);
    g.items.push_back(std::move(item));
    ++g.count;
    ++size_;
}

std::size_t WorksheetItems::Find(int instance) const {
    if (sorted_) {
        const auto it = std::lower_bound(groups_.begin(), groups_.end(), instance,
                                         [](const Group& g, int n) { return g.instance < n; });
        return std::size_t(it - groups_.begin());
    }
    for (std::size_t g = 0; g < groups_.size(); ++g)
        if (groups_[g].instance == instance) return g;
    return groups_.size();
}

std::vector<WorksheetItem> WorksheetItems::Instance(int instance) const {
    std::vector<WorksheetItem> items;
    ForEachOf(instance, [&](const WorksheetItem& i) { items.push_back(i); });
    return items;
}

void WorksheetItems::ReplaceInstance(int instance, std::vector<WorksheetItem> items) {
    PackOthers(instance);
    for (auto& i : items) i.instance = std::uint16_t(instance);
    std::size_t at = Find(instance);
    if (at < groups_.size() && groups_[at].instance == instance) {
        size_ -= groups_[at].count;
        // Any further group of the same instance (only in a list read from
        // elsewhere, never in an ordered one) joins this one's place.
        if (!sorted_)
            for (std::size_t g = groups_.size(); g-- > at + 1;)
                if (groups_[g].instance == instance) {
                    size_ -= groups_[g].count;
                    groups_.erase(groups_.begin() + std::ptrdiff_t(g));
                }
    } else {
        if (!sorted_) {
            // Where a new instance goes: after every lower one.
            at = 0;
            for (std::size_t g = 0; g < groups_.size(); ++g)
                if (groups_[g].instance < instance) at = g + 1;
        }
        groups_.insert(groups_.begin() + std::ptrdiff_t(at), Group{std::uint16_t(instance), false, 0, {}, {}});
    }
    size_ += items.size();
    Group& g = groups_[at];
    g.packed = false;
    std::vector<std::uint8_t>().swap(g.records);
    g.count = items.size();
    g.items = std::move(items);
    if (g.count == 0)
        groups_.erase(groups_.begin() + std::ptrdiff_t(at));
    else
        NoteUnpacked(std::uint16_t(instance));
}

void WorksheetItems::RemoveInstanceAndRenumber(int instance) {
    for (std::size_t g = groups_.size(); g-- > 0;)
        if (groups_[g].instance == instance) {
            size_ -= groups_[g].count;
            groups_.erase(groups_.begin() + std::ptrdiff_t(g));
        }
    for (Group& g : groups_) {
        if (g.instance <= instance) continue;
        --g.instance;
        if (g.packed) {
            // The instance number leads every record.
            std::uint8_t* record = g.records.data();
            for (std::size_t i = 0; i < g.count; ++i) {
                record[0] = std::uint8_t(g.instance);
                record[1] = std::uint8_t(g.instance >> 8);
                record += ItemRecordSize(record);
            }
        } else {
            for (WorksheetItem& i : g.items) i.instance = g.instance;
        }
    }
    // Neighbours may now share a number (only in a list read from elsewhere).
    std::vector<Group> merged;
    for (Group& g : groups_) {
        if (!merged.empty() && merged.back().instance == g.instance) {
            Unpack(merged.back());
            Unpack(g);
            for (auto& i : g.items) merged.back().items.push_back(std::move(i));
            merged.back().count += g.count;
        } else {
            merged.push_back(std::move(g));
        }
    }
    groups_ = std::move(merged);
    sorted_ = std::is_sorted(groups_.begin(), groups_.end(),
                             [](const Group& a, const Group& b) { return a.instance < b.instance; });
    unpacked_.clear();
    for (const Group& g : groups_)
        if (!g.packed) NoteUnpacked(g.instance);
}

std::size_t WorksheetItems::RecordBytes() const {
    std::size_t n = 0;
    for (const Group& g : groups_) {
        if (g.packed) {
            n += g.records.size();
            continue;
        }
        for (const WorksheetItem& item : g.items) n += ItemRecordSize(item);
    }
    return n;
}

void WorksheetItems::AppendRecords(std::vector<std::uint8_t>& out) const {
    for (const Group& g : groups_) {
        if (g.packed) {
            out.insert(out.end(), g.records.begin(), g.records.end());
            continue;
        }
        for (const WorksheetItem& item : g.items) AppendItemRecord(out, item);
    }
}

}  // namespace cgt
