#pragma once
// The targeting editor: a small popup of the eight targeting bits, opened
// centred over the button that shows a targeting summary. Closing it (a
// click outside, Enter or OK) keeps the bits as checked; Esc keeps the old
// value. The battle editor's MagiTek page, the monster editor, spells and
// items all use it.
#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;

class CTargetingPopup : public QDialog {
    Q_OBJECT
public:
    explicit CTargetingPopup(uint8_t value, QWidget* parent = nullptr);
    ~CTargetingPopup() override;

    uint8_t Value() const;
    QCheckBox* Bit(int bit) const { return m_bits[bit]; }
    QLabel* Summary() const { return m_summary; }
    bool Cancelled() const { return m_cancelled; }

    // Opens the popup centred over `anchor` and waits until it closes.
    // Returns the new value when it differs from `value`, otherwise nothing.
    static std::optional<uint8_t> Edit(uint8_t value, QWidget* anchor);
    // The popup that is open now (for callers that drive it without a
    // mouse, and for tests); null when none is.
    static CTargetingPopup* Open();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowSummary();

    QCheckBox* m_bits[8] = {};
    QLabel* m_summary = nullptr;
    bool m_cancelled = false;
};
