#include "controls/TargetingPopup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/Targeting.h"

namespace {
CTargetingPopup* g_open = nullptr;
}

CTargetingPopup::CTargetingPopup(uint8_t value, QWidget* parent) : QDialog(parent, Qt::Popup)
{
    auto* lay = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    lay->addWidget(m_summary);
    for (int b = 0; b < 8; ++b) {
        m_bits[b] = new QCheckBox(QString::fromLatin1(quorvex::kTargetingBitLabels[b]), this);
        m_bits[b]->setChecked((value >> b) & 1);
        connect(m_bits[b], &QCheckBox::toggled, this, &CTargetingPopup::ShowSummary);
        lay->addWidget(m_bits[b]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    lay->addWidget(buttons);
    ShowSummary();
    g_open = this;
}

CTargetingPopup::~CTargetingPopup()
{
    if (g_open == this)
        g_open = nullptr;
}

CTargetingPopup* CTargetingPopup::Open() { return g_open; }

uint8_t CTargetingPopup::Value() const
{
    uint8_t v = 0;
    for (int b = 0; b < 8; ++b)
        if (m_bits[b]->isChecked())
            v = static_cast<uint8_t>(v | (1u << b));
    return v;
}

void CTargetingPopup::ShowSummary()
{
    m_summary->setText(QStringLiteral("Targets: %1 (0x%2)")
                           .arg(QString::fromLatin1(quorvex::TargetingSummary(Value())))
                           .arg(Value(), 2, 16, QLatin1Char('0')));
}

void CTargetingPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        m_cancelled = true;
    QDialog::keyPressEvent(event);
}

std::optional<uint8_t> CTargetingPopup::Edit(uint8_t value, QWidget* anchor)
{
    CTargetingPopup popup(value, anchor);
    popup.adjustSize();
    if (anchor) {
        const QPoint centre = anchor->mapToGlobal(anchor->rect().center());
        popup.move(centre - QPoint(popup.width() / 2, popup.height() / 2));
    }
    popup.exec();
    if (popup.Cancelled() || popup.Value() == value)
        return std::nullopt;
    return popup.Value();
}
