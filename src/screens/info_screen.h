#pragma once
// Information screens: Next only, no checks. Each member gives the index
// that Next moves to and, when it shows the outlook bar, its navigator entry.
#include "interview/childform.h"

namespace cgt {

class TInfoScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TInfoScreen(QWidget* parent = nullptr);

    void Shown(TInterviewFrame& frame) override;

protected:
    // The screen index after Next, given the current one.
    virtual int NextIndex(int index) const { return index + 1; }
    // Screen number of the navigator entry to highlight; 0 keeps the bar hidden.
    virtual int NavigatorEntry() const { return 0; }
};

}  // namespace cgt
