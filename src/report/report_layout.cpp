// Laying out a script's sections into pages: conditions, the page furniture
// and the bands of a list field repeated once per row.
#include <algorithm>
#include <stdexcept>

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
                b.headerHeight = r.rec.I16(3);
                into = &b.header;
                continue;
            case rec::kGroup:
                b.hasGroup = true;
                b.rowHeight = r.rec.I16(3);
                b.listTag = r.rec.I16(5);
                b.columns = r.rec.I16(7);
                b.minRows = r.rec.I16(9);
                b.suppressTag = r.rec.I16(11);
                b.firstRow = std::max<int>(1, r.rec.I16(13));
                into = &b.group;
                continue;
            case rec::kGroupFooter:
                b.hasFooter = true;
                b.footerHeight = r.rec.I16(3);
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

void TXReport::AppendPosition(int x1, int y1, int x2, int y2) {
    TPageRec r;
    r.SetType(rec::kPosition);
    r.SetI16(2, std::int16_t(x1));
    r.SetI16(4, std::int16_t(y1));
    r.SetI16(6, std::int16_t(x2));
    r.SetI16(8, std::int16_t(y2));
    Append(r);
}

// The furniture's font: Arial 8 points, black on rose, one line at the top left.
void TXReport::AppendFont() {
    TPageRec f;
    f.SetType(rec::kFont);
    f.SetU8(2, 25);
    f.SetU8(3, 0);
    f.SetU8(4, 8);
    f.SetU8(5, 0);
    f.SetU8(6, 27);
    f.SetU8(7, 0);
    Append(f);
}

void TXReport::AppendText(const std::string& text) {
    TPageRec t;
    t.SetType(rec::kText);
    Append(t, &text);
}

void TXReport::ClosePage() {
    if (pageStarts_.empty()) return;
    records_[pageStarts_.back()].SetI32(7, std::int32_t(records_.size()));
}

void TXReport::OpenPage(Layout& l, const TPageRec& section) {
    ClosePage();
    const std::size_t previous = pageStarts_.empty() ? 0 : pageStarts_.back();
    TPageRec h;
    h.SetType(rec::kSection);
    h.SetU8(2, std::uint8_t((pageStarts_.size() + 1) & 0xFF));
    h.SetI32(3, std::int32_t(previous));
    h.SetI32(7, 0);
    h.SetI16(11, std::int16_t(section.Condition()));
    h.SetU8(13, std::uint8_t(section.Layout()));
    h.SetI16(14, section.I16(8));
    h.SetI16(16, section.I16(10));
    pageStarts_.push_back(records_.size());
    Append(h);
    ++laidOut_;
    l.y = 0;
    if (section.Condition() != kConditionNewPage) AddFurniture(l);
}

void TXReport::AddFurniture(Layout& l) {
    TPageRec a;
    a.SetType(rec::kAttributes);
    a.SetU8(2, 22);  // brush: sky blue, solid
    a.SetU8(3, 0);
    a.SetU8(4, 19);  // pen: cream, clear
    a.SetU8(5, 0);
    a.SetU8(6, 5);
    Append(a);
    TPageRec frame;
    frame.SetType(rec::kRect);
    frame.SetI16(6, kPageFrameWidth);
    frame.SetI16(8, kPageFrameHeight);
    Append(frame);
    if (hasPageBand_) {
        AppendPosition(0, -kPageFrameHeight);
        for (const ScriptRecord& r : pageBand_) Append(r.rec, r.hasText ? &r.text : nullptr);
    }
    AppendPosition(25, -kPageFrameHeight);
    AppendFont();
    AppendText("Taxpayer Name");
    TPageRec field;
    field.SetType(rec::kField);
    field.SetU8(8, 1);
    AppendPosition(250, 0, 1740, 40);
    field.SetI16(3, kTagTaxpayerName);
    Append(field);
    AppendPosition(25, 10);
    AppendFont();
    AppendText("Tax File Number");
    AppendPosition(250, -2, 550, 42);
    field.SetI16(3, kTagIdentity);
    Append(field);
    AppendPosition(1040, -40);
    AppendFont();
    AppendText(kSignatureLine);
    TPageRec line = a;
    line.SetU8(4, 27);
    line.SetU8(5, 25);
    line.SetU8(6, 0);
    Append(line);
    TPageRec rule;
    rule.SetType(rec::kLine);
    rule.SetI16(2, 25);
    rule.SetI16(4, 40);
    rule.SetI16(6, 1825);
    rule.SetI16(8, 0);
    Append(rule);
    l.y = 90;
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
        const int condition = h.Condition();
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
                if (!IsFieldRecord(r.rec.Type()) || r.rec.Column() == kColumnDisabled) continue;
                anyField = true;
                if (hasData(r.rec.Tag())) printable = true;
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
            if (condition == kConditionNewPage || l.y + h.NeededHeight() > kPageUsableHeight) OpenPage(l, h);
            for (const ScriptRecord& r : s.records) {
                if (IsFieldRecord(r.rec.Type()) && r.rec.Column() == kColumnDisabled) continue;
                Append(r.rec, r.hasText ? &r.text : nullptr);
            }
            l.y += h.Height();
        } else {
            // `row` from 0 for a group row, kFooterRowMark for the footer,
            // below 0 for the header.
            constexpr int kFooterRowMark = -2;
            const auto copy = [&](const std::vector<const ScriptRecord*>& part, int row) {
                for (const ScriptRecord* r : part) {
                    if (IsFieldRecord(r->rec.Type()) && r->rec.Column() == kColumnDisabled) continue;
                    TPageRec out = r->rec;
                    if (row != -1 && IsFieldRecord(out.Type()) && IsGroupCellKind(out.Kind())) {
                        if (row == kFooterRowMark)
                            out.SetU8(9, std::uint8_t(kFooterRow));
                        else
                            out.SetRow(row);
                        out.SetU8(8, 1);
                    }
                    Append(out, r->hasText ? &r->text : nullptr);
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
        const TPageRec& r = records_[i];
        if (!IsFieldRecord(r.Type())) continue;
        const int k = r.Kind();
        if (!(k < 7 || (k >= 11 && k <= 15))) continue;
        if (r.Tag() == previousTag) continue;
        previousTag = r.Tag();
        OnSetFieldType(r.Tag(), k);
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
