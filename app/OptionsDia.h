#pragma once
// "Quorvex options": the "Options" bit field of the settings. The formation
// editors read it for their background: bit 0 no background logo, then a
// plain background mixed from bit 1 blue, bit 2 green and bit 3 red.
// Beside it, how many restore points a save keeps ("RestorePoints" in
// section "Options"; 0 keeps none).
#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace quorvex_options {
constexpr int kNoBackgroundLogo = 1 << 0;
constexpr int kUseBlue = 1 << 1;
constexpr int kUseGreen = 1 << 2;
constexpr int kUseRed = 1 << 3;
// Bits 12 and up belong to other parts of the program and survive a change.
constexpr int kKeptBits = ~0xFFF;

int ReadOptions();
void WriteOptions(int value);

// The most restore points the dialog offers to keep.
constexpr int kMaxRestorePoints = 100;
// The stored count, 10 when none is stored, clamped to 0..kMaxRestorePoints.
int ReadRestorePoints();
void WriteRestorePoints(int count);
} // namespace quorvex_options

class COptionsDia : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDia(QWidget* parent = nullptr);

    // The value OK would write: the boxes over the kept bits.
    int Value() const;

    QCheckBox* NoLogoBox() const { return m_noLogo; }
    QCheckBox* RedBox() const { return m_red; }
    QCheckBox* GreenBox() const { return m_green; }
    QCheckBox* BlueBox() const { return m_blue; }
    QSpinBox* RestorePointsBox() const { return m_restorePoints; }

    void accept() override;

private:
    void UpdateEnabling();

    int m_original = 0;
    QCheckBox* m_noLogo = nullptr;
    QCheckBox* m_red = nullptr;
    QCheckBox* m_green = nullptr;
    QCheckBox* m_blue = nullptr;
    QSpinBox* m_restorePoints = nullptr;
};
