#pragma once
// Registration, the first screen of every asset block: the description,
// asset type and date of acquisition of the asset whose worksheet it opens.
// Headings, texts and the type list follow the block's worksheet type; left
// with nothing entered, the rest of the block is skipped.
#include "screens/block_screen.h"
#include "ui_qcgt_08.h"

namespace cgt {

class TQCGT_08 : public TBlockScreen {
    Q_OBJECT
public:
    explicit TQCGT_08(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

private:
    void ShowTextsForType(int type);
    void DescEditExit();
    int BtnNextClick();
    bool CheckEntries();

    std::string TypedDescription() const;
    bool TypeChosen() const;
    bool DateShown() const;
    bool DateBlank() const;

    Ui::TQCGT_08 ui;
};

}  // namespace cgt
