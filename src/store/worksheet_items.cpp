#include "store/worksheet_items.h"

#include <algorithm>
#include <stdexcept>

namespace cgt {

const WorksheetItem& WorksheetItems::back() const {
    for (auto g = groups_.rbegin(); g != groups_.rend(); ++g)
        if (!g->items.empty()) return g->items.back();
    throw std::out_of_range("worksheet item list is empty");
}

void WorksheetItems::clear() {
    groups_.clear();
    size_ = 0;
    sorted_ = true;
}

void WorksheetItems::push_back(WorksheetItem item) {
    if (groups_.empty() || groups_.back().instance != item.instance) {
        if (!groups_.empty() && item.instance < groups_.back().instance) sorted_ = false;
        groups_.push_back({item.instance, {}});
    }
    groups_.back().items.push_back(std::move(item));
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
    for (auto& i : items) i.instance = std::uint16_t(instance);
    std::size_t at = Find(instance);
    if (at < groups_.size() && groups_[at].instance == instance) {
        size_ -= groups_[at].items.size();
        // Any further group of the same instance (only in a list read from
        // elsewhere, never in an ordered one) joins this one's place.
        if (!sorted_)
            for (std::size_t g = groups_.size(); g-- > at + 1;)
                if (groups_[g].instance == instance) {
                    size_ -= groups_[g].items.size();
                    groups_.erase(groups_.begin() + std::ptrdiff_t(g));
                }
    } else {
        if (!sorted_) {
            // Where a new instance goes: after every lower one.
            at = 0;
            for (std::size_t g = 0; g < groups_.size(); ++g)
                if (groups_[g].instance < instance) at = g + 1;
        }
        groups_.insert(groups_.begin() + std::ptrdiff_t(at), Group{std::uint16_t(instance), {}});
    }
    size_ += items.size();
    groups_[at].items = std::move(items);
    if (groups_[at].items.empty()) groups_.erase(groups_.begin() + std::ptrdiff_t(at));
}

void WorksheetItems::RemoveInstanceAndRenumber(int instance) {
    for (std::size_t g = groups_.size(); g-- > 0;)
        if (groups_[g].instance == instance) {
            size_ -= groups_[g].items.size();
            groups_.erase(groups_.begin() + std::ptrdiff_t(g));
        }
    for (Group& g : groups_) {
        if (g.instance <= instance) continue;
        --g.instance;
        for (WorksheetItem& i : g.items) i.instance = g.instance;
    }
    // Neighbours may now share a number (only in a list read from elsewhere).
    std::vector<Group> merged;
    for (Group& g : groups_) {
        if (!merged.empty() && merged.back().instance == g.instance) {
            for (auto& i : g.items) merged.back().items.push_back(std::move(i));
        } else {
            merged.push_back(std::move(g));
        }
    }
    groups_ = std::move(merged);
    sorted_ = std::is_sorted(groups_.begin(), groups_.end(),
                             [](const Group& a, const Group& b) { return a.instance < b.instance; });
}

}  // namespace cgt
