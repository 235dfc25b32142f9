#include "ApplyPatchDia.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "MessageService.h"
#include "QuorvexDoc.h"
#include "controls/FileField.h"
#include "rom/PatchFiles.h"
#include "rom/PatchResult.h"
#include "rom/WholeFile.h"

CApplyPatchDia::CApplyPatchDia(const QString& imagePath, int restorePoints, QWidget* parent)
    : QDialog(parent), m_image(imagePath), m_restorePoints(restorePoints)
{
    setWindowTitle(QStringLiteral("Apply Patch"));
    auto* image = new QLabel(QDir::toNativeSeparators(imagePath), this);
    image->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_patch = new CFileField(CFileField::Mode::Open, QStringLiteral("Patch file"),
                             {QStringLiteral("Patches (*.bps *.ips)"), QStringLiteral("All Files (*.*)")}, this);
    m_info = new QPlainTextEdit(this);
    m_info->setReadOnly(true);
    m_info->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_info->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_info->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_info->setFixedHeight(m_info->fontMetrics().lineSpacing() * 11);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Image:"), image);
    form->addRow(QStringLiteral("Patch file:"), m_patch);

    QString noteText = QString::fromLatin1(quorvex::kPatchHeaderNote);
    noteText += m_restorePoints > 0 ? QStringLiteral(" The image as it is now is kept as a restore point.")
                                    : QStringLiteral(" Restore points are turned off in the options: the image "
                                                     "as it is now is not kept.");
    auto* note = new QLabel(noteText, this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_apply = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::AcceptRole);
    m_apply->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CApplyPatchDia::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CApplyPatchDia::reject);
    connect(m_patch, &CFileField::PathChanged, this, &CApplyPatchDia::ShowInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_info);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
    ShowInfo(QString());
}

void CApplyPatchDia::ShowInfo(const QString& path)
{
    std::vector<uint8_t> patch;
    std::string text, error;
    const bool readable = !path.trimmed().isEmpty() && QFileInfo(path.trimmed()).isFile() &&
                          quorvex::ReadWholeFile(ToCorePath(path.trimmed()), patch, error, 2 * quorvex::kMaxPatchedSize);
    if (!readable) {
        m_info->setPlainText(QStringLiteral("Choose a BPS or IPS patch."));
        m_apply->setEnabled(false);
        return;
    }
    const bool ok = quorvex::DescribePatch(patch, text, error);
    m_info->setPlainText(FromCoreText(ok ? text : error));
    m_apply->setEnabled(ok);
}

void CApplyPatchDia::accept()
{
    const quorvex::PatchFileResult r = quorvex::ApplyPatchFile(ToCorePath(m_image), ToCorePath(m_patch->Path()),
                                                               ToCorePath(m_image), m_restorePoints);
    if (!r.ok) {
        MessageService::Instance().Error(FromCoreText(r.error), this);
        return;
    }
    if (!r.warning.empty())
        MessageService::Instance().Warning(FromCoreText(r.warning), this);
    QDialog::accept();
}
