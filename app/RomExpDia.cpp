#include "RomExpDia.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QVBoxLayout>

#include "MessageService.h"
#include "QuorvexDoc.h"
#include "rom/RomData.h"

using quorvex::kImageSize24;
using quorvex::kImageSize28;
using quorvex::kImageSize32;

CRomExpDia::CRomExpDia(quorvex::RomData& rd, QWidget* parent) : QDialog(parent), m_rd(rd)
{
    setWindowTitle(QStringLiteral("ROM Expansion Tool"));

    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("sizeLabel"));

    m_to28 = new QPushButton(QStringLiteral("Expand to 28Mbit"), this);
    m_to32 = new QPushButton(QStringLiteral("Expand to 32Mbit"), this);
    m_to28->setAutoDefault(false);
    m_to32->setAutoDefault(false);
    connect(m_to28, &QPushButton::clicked, this, [this] { Expand(28); });
    connect(m_to32, &QPushButton::clicked, this, [this] { Expand(32); });

    m_fill = new QLineEdit(QStringLiteral("FF"), this);
    m_fill->setMaxLength(2);
    m_fill->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,2}")), m_fill));
    m_fill->setMaximumWidth(m_fill->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")));

    auto* box = new QGroupBox(this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* expandRow = new QHBoxLayout;
    expandRow->addWidget(m_to28);
    expandRow->addWidget(m_to32);
    boxLayout->addWidget(m_size);
    boxLayout->addLayout(expandRow);
    auto* fillForm = new QFormLayout;
    fillForm->addRow(QStringLiteral("Hex fill value"), m_fill);
    boxLayout->addLayout(fillForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Refresh();
}

uint32_t CRomExpDia::ExpansionBytes(int32_t imageSize, int targetMbit)
{
    if (imageSize == kImageSize24 && targetMbit == 28)
        return 0x80000;
    if (imageSize == kImageSize24 && targetMbit == 32)
        return 0x100000;
    if (imageSize == kImageSize28 && targetMbit == 32)
        return 0x80000;
    return 0;
}

bool CRomExpDia::ParseFillValue(const QString& text, uint8_t& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0xFF;
        return true;
    }
    if (t.size() > 2)
        return false;
    bool ok = false;
    const uint v = t.toUInt(&ok, 16);
    if (!ok || v > 0xFF)
        return false;
    value = uint8_t(v);
    return true;
}

QString CRomExpDia::SizeLabelText(int32_t imageSize)
{
    return QStringLiteral("Current ROM size: %1Mbit").arg(QString::fromLatin1(quorvex::ImageSizeText(imageSize)));
}

void CRomExpDia::Refresh()
{
    m_size->setText(SizeLabelText(m_rd.imageSize));
    m_to28->setEnabled(m_rd.imageSize == kImageSize24);
    m_to32->setEnabled(m_rd.imageSize == kImageSize24 || m_rd.imageSize == kImageSize28);
}

void CRomExpDia::Expand(int targetMbit)
{
    uint8_t fill = 0xFF;
    if (!ParseFillValue(m_fill->text(), fill))
        return; // the validator lets nothing else through
    if (!MessageService::Instance().Question(QString::fromLatin1(kExpandQuestion), this))
        return;
    const uint32_t count = ExpansionBytes(m_rd.imageSize, targetMbit);
    if (count != 0) {
        m_ok->setEnabled(false);
        std::string error, notice;
        if (!quorvex::ExpandImage(m_rd, count, fill, &error, &notice))
            MessageService::Instance().Error(FromCoreText(error), this);
        else if (auto* main = qobject_cast<QMainWindow*>(parentWidget()); main && !notice.empty())
            main->statusBar()->showMessage(FromCoreText(notice));
        m_ok->setEnabled(true);
    }
    Refresh();
}
