#pragma once
// The drop-down list of asset types and CGT events: a fixed list of items
// with the type-ahead of TypeAheadRules, bound to a field by its fieldTag;
// the field stores the first maxLength characters of the chosen item.
#include <QComboBox>

#include "controls/typeahead_rules.h"

namespace cgt {

class TTypeAheadCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int fieldTag READ fieldTag WRITE setFieldTag)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit TTypeAheadCombo(QWidget* parent = nullptr);

    int fieldTag() const { return fieldTag_; }
    void setFieldTag(int tag) { fieldTag_ = tag; }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }

    // Replaces the items (Windows-1252 texts), none selected.
    void SetItems(const std::vector<std::string>& items);
    // Selects an item, or none for -1, showing its text (or none).
    void Select(int index);
    const TypeAheadRules& Rules() const { return rules_; }

signals:
    // The selection changed through the keyboard or the list.
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    bool HandleKey(QKeyEvent* e);
    void Apply(TypeAheadRules::Outcome outcome);

    int fieldTag_ = 0;
    int maxLength_ = 2;
    std::vector<std::string> items_;
    TypeAheadRules rules_;
};

}  // namespace cgt
