#include "AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "QuorvexDoc.h"
#include "RenSmallDia.h"
#include "controls/PixelArt.h"
#include "graphics/CharGlyphs.h"
#include "rom/RomData.h"

QString CAboutDlg::VersionLine(const quorvex::RomData& rd)
{
    return QStringLiteral("Quorvex Version %1.%2.%3").arg(rd.versionMajor).arg(rd.versionMinor).arg(rd.versionBuild) +
           QStringLiteral(", 32-bit");
}

CAboutDlg::CAboutDlg(const quorvex::RomData& rd, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quorvex Multi Edit"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/quorvex.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(QStringLiteral("Quorvex"), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);

    m_version = new QLabel(VersionLine(rd), this);

    m_romName = new QLabel(this);
    m_romName->setObjectName(QStringLiteral("romName"));
    m_romPicture = new QLabel(this);
    m_romPicture->setObjectName(QStringLiteral("romPicture"));
    m_romPicture->hide();
    m_romVersion = new QLabel(this);
    m_romVersion->setObjectName(QStringLiteral("romVersion"));
    if (rd.IsKnown()) {
        m_romName->setText(PrintableCoreText(rd.internalName));
        m_romVersion->setText(QStringLiteral("Version 1.%1").arg(rd.version));
        // The title as the game's menus would draw it, twice its size.
        const quorvex::NamePicture title = quorvex::DrawSmallFontText(rd, FromCoreText(rd.internalName).trimmed().toStdWString());
        if (!title.Empty()) {
            m_romPicture->setPixmap(PixelArtPixmap(NamePictureToImage(title, 1), 2, devicePixelRatioF()));
            m_romPicture->show();
        }
    } else {
        m_romName->hide();
        m_romVersion->hide();
    }
    for (QLabel* l : {m_romName, m_romVersion}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setTextFormat(Qt::PlainText); // a title is never markup
    }

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(m_version);
    text->addSpacing(8);
    text->addWidget(m_romPicture);
    text->addWidget(m_romName);
    text->addWidget(m_romVersion);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
