#include "CreatePatchDia.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "MainFrame.h"
#include "MessageService.h"
#include "QuorvexDoc.h"
#include "controls/ExportFile.h"
#include "controls/FileField.h"
#include "rom/PatchFiles.h"

namespace {

QString WithExtension(const QString& path, bool bps)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    QString base = path;
    if (suffix == QLatin1String("bps") || suffix == QLatin1String("ips"))
        base.chop(suffix.size() + 1);
    return base + (bps ? QStringLiteral(".bps") : QStringLiteral(".ips"));
}

} // namespace

CCreatePatchDia::CCreatePatchDia(const QString& imagePath, QWidget* parent) : QDialog(parent), m_image(imagePath)
{
    setWindowTitle(QStringLiteral("Create Patch"));
    m_original = new CFileField(CFileField::Mode::Open, QStringLiteral("Original image"), CMainFrame::OpenFilters(),
                                this);
    m_patch = new CFileField(CFileField::Mode::Save, QStringLiteral("Patch file"),
                             {QStringLiteral("BPS patches (*.bps)"), QStringLiteral("IPS patches (*.ips)")}, this);
    m_patch->SetPath(DefaultPatchPath(imagePath, true));
    m_bps = new QRadioButton(QStringLiteral("BPS (checks that it is applied to the right image)"), this);
    m_ips = new QRadioButton(QStringLiteral("IPS (for older tools; up to 16 MiB, no checks)"), this);
    m_bps->setChecked(true);
    auto* formats = new QVBoxLayout;
    formats->addWidget(m_bps);
    formats->addWidget(m_ips);

    auto* modified = new QLabel(QDir::toNativeSeparators(imagePath), this);
    modified->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Original image:"), m_original);
    form->addRow(QStringLiteral("Modified image:"), modified);
    form->addRow(QStringLiteral("Patch file:"), m_patch);
    form->addRow(QStringLiteral("Format:"), formats);

    auto* note = new QLabel(QString::fromLatin1(quorvex::kPatchHeaderNote) +
                                QStringLiteral(" The modified image is the open image as it is saved on disk."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_create = buttons->addButton(QStringLiteral("Create"), QDialogButtonBox::AcceptRole);
    m_create->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCreatePatchDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCreatePatchDia::reject);
    connect(m_bps, &QRadioButton::toggled, this, &CCreatePatchDia::FormatChosen);
    connect(m_patch, &CFileField::PathChanged, this, &CCreatePatchDia::PatchNamed);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

QString CCreatePatchDia::DefaultPatchPath(const QString& imagePath, bool bps)
{
    const QFileInfo info(imagePath);
    return WithExtension(info.dir().filePath(info.completeBaseName()), bps);
}

// The file name follows the format chosen ...
void CCreatePatchDia::FormatChosen()
{
    if (!m_patch->Path().isEmpty())
        m_patch->SetPath(WithExtension(m_patch->Path(), m_bps->isChecked()));
}

// ... and the format the extension typed.
void CCreatePatchDia::PatchNamed(const QString& path)
{
    quorvex::PatchFormat format;
    if (!quorvex::PatchFormatFromName(ToCorePath(path), format))
        return;
    QRadioButton* wanted = format == quorvex::PatchFormat::Bps ? m_bps : m_ips;
    if (!wanted->isChecked()) {
        const QSignalBlocker block(m_bps);
        wanted->setChecked(true);
    }
}

void CCreatePatchDia::accept()
{
    MessageService& messages = MessageService::Instance();
    if (m_original->Path().isEmpty()) {
        messages.Error(QStringLiteral("Choose the original image!!"), this);
        return;
    }
    if (m_patch->Path().isEmpty()) {
        messages.Error(QStringLiteral("Name the patch file!!"), this);
        return;
    }
    if (!MayReplaceFile(m_patch->Path(), this))
        return;
    const auto format = m_bps->isChecked() ? quorvex::PatchFormat::Bps : quorvex::PatchFormat::Ips;
    const quorvex::PatchFileResult r = quorvex::CreatePatchFile(ToCorePath(m_original->Path()), ToCorePath(m_image),
                                                                ToCorePath(m_patch->Path()), format);
    if (!r.ok) {
        messages.Error(FromCoreText(r.error), this);
        return;
    }
    messages.Information(CreatedText(m_patch->Path()), this);
    QDialog::accept();
}
