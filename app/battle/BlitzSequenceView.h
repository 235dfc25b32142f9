#pragma once
// The drawing of a blitz's button sequence: one mark per press up to the
// first 0, a round face button (A, B, X, Y), a shoulder button (L, R) or an
// arrow of the control pad; codes past the last button show as an empty
// mark.
#include <QWidget>
#include <vector>

class CBlitzSequenceView : public QWidget {
    Q_OBJECT
public:
    explicit CBlitzSequenceView(QWidget* parent = nullptr);
    void SetPresses(const std::vector<int>& presses);
    const std::vector<int>& Presses() const { return m_presses; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> m_presses;
};
