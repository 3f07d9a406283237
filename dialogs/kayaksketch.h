#pragma once
// The wizard's illustrations: a plan and a profile of a kayak with one or
// two cockpits, drawn rather than kept as bitmaps.

#include <QWidget>

namespace dialogs {

class KayakSketch : public QWidget {
public:
    KayakSketch(int cockpits, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {260, 150}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int cockpits_;
};

}  // namespace dialogs
