#pragma once
// "ROM Expansion Tool": appends space to an unexpanded or 28 Mbit image so
// the data location manager can move data there. The file grows at once;
// the document's tables stay as they are and it is not marked modified.
#include <QDialog>
#include <cstdint>

namespace quorvex {
struct RomData;
}
class QLabel;
class QLineEdit;
class QPushButton;

class CRomExpDia : public QDialog {
    Q_OBJECT
public:
    explicit CRomExpDia(quorvex::RomData& rd, QWidget* parent = nullptr);

    // How many bytes take an image of `imageSize` to `targetMbit` (28 or
    // 32); 0 for any combination that is not an expansion.
    static uint32_t ExpansionBytes(int32_t imageSize, int targetMbit);
    // The fill byte typed as up to two hexadecimal digits; an empty field
    // means the default 0xFF. False for anything else.
    static bool ParseFillValue(const QString& text, uint8_t& value);
    // "Current ROM size: %sMbit".
    static QString SizeLabelText(int32_t imageSize);

    QPushButton* Expand28Button() const { return m_to28; }
    QPushButton* Expand32Button() const { return m_to32; }
    QLineEdit* FillEdit() const { return m_fill; }
    QLabel* SizeLabel() const { return m_size; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void Expand(int targetMbit);
    void Refresh();

    quorvex::RomData& m_rd;
    QLabel* m_size = nullptr;
    QPushButton* m_to28 = nullptr;
    QPushButton* m_to32 = nullptr;
    QLineEdit* m_fill = nullptr;
    QPushButton* m_ok = nullptr;
};

constexpr const char* kExpandQuestion =
    "Before proceeding, be aware that:\n - This action cannot be reversed\n - The ROM will not be compatible with "
    "Quorvex 6.31 or older\n - Other editors might not be compatible with the expanded ROM\n - Backing up your ROM "
    "is always a good thing to do\n\nDo you want to expand your ROM?";
