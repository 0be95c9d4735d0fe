// Laying out a script's sections into pages: conditions, the page furniture
// and the bands of a list field repeated once per row.
#include <algorithm>
#include <stdexcept>

#include "report/printouts.h"
#include "report/script_resources.h"
#include "report/txreport.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

namespace {

// The used height that makes the first printed section open a page.
constexpr int kStartHeight = 5360;

const std::string kEmpty;

bool IsFieldRecord(char t) {
    return t == rec::kField || t == rec::kEditField;
}

// A field record whose column turns it off is neither laid out nor counted.
bool Disabled(const TPageRec& r) {
    return IsFieldRecord(r.Type()) && FieldRecord::Of(r).column == kColumnDisabled;
}

bool IsGroupCellKind(int k) {
    return k == kind::kListColumn || k == kind::kGroupCell || k == kind::kColumnTotal || k == kind::kGrandTotal;
}

// Where a band section's parts lie among its records.
struct Bands {
    std::vector<const ScriptRecord*> header, group, footer, pageBand;
    bool hasHeader = false, hasGroup = false, hasFooter = false, hasPageBand = false;
    int headerHeight = 0, rowHeight = 0, footerHeight = 0;
    int listTag = 0, columns = 0, minRows = 0, suppressTag = 0;
    // The first row printed, from 1: a band that continues a list whose
    // first rows a fixed box shows.
    int firstRow = 1;
};

Bands FindBands(const ScriptSection& s) {
    Bands b;
    std::vector<const ScriptRecord*>* into = nullptr;
    for (const ScriptRecord& r : s.records) {
        switch (r.rec.Type()) {
            case rec::kGroupHeader:
                b.hasHeader = true;
                b.headerHeight = BandMarker::Of(r.rec).height;
                into = &b.header;
                continue;
            case rec::kGroup: {
                const GroupBand g = GroupBand::Of(r.rec);
                b.hasGroup = true;
                b.rowHeight = g.rowHeight;
                b.listTag = g.listTag;
                b.columns = g.columns;
                b.minRows = g.minRows;
                b.suppressTag = g.suppressTag;
                b.firstRow = std::max(1, g.firstRow);
                into = &b.group;
                continue;
            }
            case rec::kGroupFooter:
                b.hasFooter = true;
                b.footerHeight = BandMarker::Of(r.rec).height;
                into = &b.footer;
                continue;
            case rec::kPageBand:
                b.hasPageBand = true;
                into = &b.pageBand;
                continue;
            case rec::kGroupHeaderEnd:
            case rec::kGroupEnd:
            case rec::kGroupFooterEnd:
            case rec::kPageBandEnd: into = nullptr; continue;
            default:
                if (into) into->push_back(&r);
        }
    }
    return b;
}

}  // namespace

struct TXReport::Layout {
    int y = kStartHeight;
};

void TXReport::Append(const TPageRec& r, const std::string* text) {
    if (text) texts_[records_.size()] = *text;
    records_.push_back(r);
}

void TXReport::ClosePage() {
    if (pageStarts_.empty()) return;
    TPageRec& header = records_[pageStarts_.back()];
    PageHeader h = PageHeader::Of(header);
    h.next = std::int32_t(records_.size());
    header = h.Record();
}

void TXReport::OpenPage(Layout& l, const TPageRec& section) {
    ClosePage();
    const SectionHeader opening = SectionHeader::Of(section);
    PageHeader h;
    h.number = int(pageStarts_.size() + 1);
    h.previous = std::int32_t(pageStarts_.empty() ? 0 : pageStarts_.back());
    h.condition = opening.condition;
    h.layout = opening.layout;
    h.height = opening.height;
    h.need = opening.need;
    pageStarts_.push_back(records_.size());
    Append(h.Record());
    ++laidOut_;
    l.y = 0;
    if (opening.condition != kConditionNewPage) AddFurniture(l);
}

// The frame, the page band (moved back to the page's top) and the heading
// of the taxpayer's name, tax file number and signature line.
void TXReport::AddFurniture(Layout& l) {
    if (furniture_.sections.empty()) furniture_ = ReadScript(LoadScriptResource(kPageFurnitureScript));
    const auto copy = [this](std::size_t section) {
        if (section < furniture_.sections.size())
            for (const ScriptRecord& r : furniture_.sections[section].records)
                Append(r.rec, r.hasText ? &r.text : nullptr);
    };
    copy(0);
    if (hasPageBand_) {
        Append(Geometry{rec::kPosition, 0, -kPageFrameHeight, 0, 0}.Record());
        for (const ScriptRecord& r : pageBand_) Append(r.rec, r.hasText ? &r.text : nullptr);
    }
    copy(1);
    l.y = furniture_.sections.size() > 1 ? SectionHeader::Of(furniture_.sections[1].header).height : 0;
}

void TXReport::AddScript(const std::string& name, int first, int last) {
    AddScript(ReadScript(LoadScriptResource(name)), first, last);
}

void TXReport::AddScript(const Script& script, int first, int last) {
    const std::size_t laidOutBefore = records_.size();
    Layout l;
    bool firstOfCall = true;
    const auto hasData = [this](int tag) { return fields && fields->FieldHasData(tag); };
    const auto listCount = [this](int tag) {
        if (!fields || fields->FieldType(tag) != dtList) return 0;
        const TextListPtr& list = fields->SlotAt(tag).list;
        return list ? int(list->size()) : 0;
    };
    for (int n = std::max(1, first); n <= last && n <= int(script.sections.size()); ++n) {
        const ScriptSection& s = script.sections[std::size_t(n - 1)];
        const TPageRec& h = s.header;
        if (h.Type() != rec::kSection) break;
        const SectionHeader section = SectionHeader::Of(h);
        const int condition = section.condition;
        const Bands bands = FindBands(s);
        if (bands.hasPageBand) {
            hasPageBand_ = true;
            pageBand_.clear();
            for (const ScriptRecord* r : bands.pageBand) pageBand_.push_back(*r);
        }

        bool printable = false;
        int rows = 0;
        const bool band =
            condition != kConditionNewPage && condition != kConditionWhenData && condition != kConditionPageBandOnly;
        if (condition == kConditionNewPage) {
            printable = true;
        } else if (condition == kConditionWhenData) {
            bool anyField = false;
            for (const ScriptRecord& r : s.records) {
                if (!IsFieldRecord(r.rec.Type())) continue;
                const FieldRecord f = FieldRecord::Of(r.rec);
                if (f.column == kColumnDisabled) continue;
                anyField = true;
                if (hasData(f.tag)) printable = true;
            }
            if (!anyField) printable = true;
        } else if (band) {
            printable = hasData(condition);
            if (bands.hasGroup) {
                const int entries = listCount(bands.listTag);
                rows = bands.columns > 0 ? entries / bands.columns : 0;
                if (rows == 0 || rows < bands.minRows || rows < bands.firstRow) printable = false;
                if (bands.suppressTag != 0 && hasData(bands.suppressTag)) printable = false;
            } else {
                printable = false;
            }
        }
        if (!printable) continue;

        if (!band) {
            if (condition == kConditionNewPage || l.y + section.NeededHeight() > kPageUsableHeight) OpenPage(l, h);
            for (const ScriptRecord& r : s.records) {
                if (Disabled(r.rec)) continue;
                Append(r.rec, r.hasText ? &r.text : nullptr);
            }
            l.y += section.height;
        } else {
            // `row` from 0 for a group row, kFooterRowMark for the footer,
            // below 0 for the header.
            constexpr int kFooterRowMark = -2;
            const auto copy = [&](const std::vector<const ScriptRecord*>& part, int row) {
                for (const ScriptRecord* r : part) {
                    if (Disabled(r->rec)) continue;
                    if (row == -1 || !IsFieldRecord(r->rec.Type()) || !IsGroupCellKind(r->rec.Kind())) {
                        Append(r->rec, r->hasText ? &r->text : nullptr);
                        continue;
                    }
                    FieldRecord cell = FieldRecord::Of(r->rec);
                    cell.row = row == kFooterRowMark ? kFooterRow : row;
                    cell.boxFlags = 1;
                    Append(cell.Record());
                }
            };
            const auto header = [&] {
                if (!bands.hasHeader) return;
                copy(bands.header, -1);
                l.y += bands.headerHeight;
            };
            if (firstOfCall || l.y + bands.headerHeight + bands.rowHeight + bands.footerHeight > kPageUsableHeight)
                OpenPage(l, h);
            if (bands.hasHeader && l.y + bands.headerHeight + bands.rowHeight > kPageUsableHeight) OpenPage(l, h);
            header();
            const auto overflow = [&](int height) {
                if (l.y + height > kPageUsableHeight) {
                    OpenPage(l, h);
                    header();
                }
            };
            for (int r = bands.firstRow; r <= rows; ++r) {
                overflow(bands.rowHeight);
                copy(bands.group, r - 1);
                l.y += bands.rowHeight;
            }
            if (bands.hasFooter) {
                overflow(bands.footerHeight);
                copy(bands.footer, kFooterRowMark);
                l.y += bands.footerHeight;
            }
        }
        firstOfCall = false;
        ClosePage();
    }
    ClosePage();
    if (current_ == 0 && !pageStarts_.empty()) current_ = 1;

    // The field types of what this call laid out, once per run of a tag.
    if (!OnSetFieldType) return;
    int previousTag = -1;
    for (std::size_t i = laidOutBefore; i < records_.size(); ++i) {
        if (!IsFieldRecord(records_[i].Type())) continue;
        const FieldRecord f = FieldRecord::Of(records_[i]);
        if (!(f.kind < 7 || (f.kind >= 11 && f.kind <= 15))) continue;
        if (f.tag == previousTag) continue;
        previousTag = f.tag;
        OnSetFieldType(f.tag, f.kind);
    }
}

void TXReport::Clear() {
    records_.clear();
    texts_.clear();
    pageStarts_.clear();
    pageBand_.clear();
    hasPageBand_ = false;
    current_ = 0;
    laidOut_ = 0;
}

void TXReport::GoToPage(int n) {
    if (pageStarts_.empty()) return;
    current_ = std::clamp(n, 1, PageCount());
}

std::size_t TXReport::PageBegin(int n) const {
    return pageStarts_.at(std::size_t(n - 1));
}

std::size_t TXReport::PageEnd(int n) const {
    return std::size_t(n) < pageStarts_.size() ? pageStarts_[std::size_t(n)] : records_.size();
}

const std::string& TXReport::TextOf(std::size_t i) const {
    const auto it = texts_.find(i);
    return it == texts_.end() ? kEmpty : it->second;
}

std::string TXReport::PageText(int n) const {
    std::string out;
    if (n < 1 || n > PageCount()) return out;
    for (std::size_t i = PageBegin(n); i < PageEnd(n); ++i)
        if (texts_.count(i)) out += TextOf(i) + '\n';
    return out;
}

}  // namespace cgt
