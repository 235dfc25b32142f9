#pragma once
// The colosseum bets, one per item that can be wagered: the monster fought,
// the item won, and two bytes shown in hexadecimal (the second hides the
// prize when it is not zero).
#include "controls/RecordPage.h"

class QLabel;
class QPushButton;
class QSpinBox;

class CColosseumPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CColosseumPage(CEditorSheet* sheet);

    QComboBox* ItemBet() const { return m_bet; }
    QSpinBox* ItemBetSpin() const { return m_betSpin; }
    QComboBox* EnemyFought() const { return m_enemy; }
    QComboBox* ItemWon() const { return m_won; }
    QSpinBox* HexByte1() const { return m_byte1; }
    QSpinBox* HexByte3() const { return m_byte3; }
    QLabel* Sprite() const { return m_sprite; }
    QPushButton* ReportButton() const { return m_report; }

    // "&Make Report", after storing the shown bet.
    void Report();

protected:
    void Show(int i) override;

private:
    void DrawSprite();

    QComboBox* m_bet = nullptr;
    QSpinBox* m_betSpin = nullptr;
    QComboBox* m_enemy = nullptr;
    QComboBox* m_won = nullptr;
    QSpinBox* m_byte1 = nullptr;
    QSpinBox* m_byte3 = nullptr;
    QLabel* m_sprite = nullptr;
    QPushButton* m_report = nullptr;
    bool m_showing = false;
};
