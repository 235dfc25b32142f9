#include "FileField.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

CFileField::CFileField(Mode mode, const QString& caption, const QStringList& filters, QWidget* parent)
    : QWidget(parent), m_mode(mode), m_caption(caption), m_filters(filters)
{
    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(320);
    m_browse = new QPushButton(QStringLiteral("Browse..."), this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_browse);
    connect(m_browse, &QPushButton::clicked, this, &CFileField::Browse);
    connect(m_edit, &QLineEdit::textChanged, this, &CFileField::PathChanged);
}

QString CFileField::Path() const { return m_edit->text().trimmed(); }

void CFileField::SetPath(const QString& path) { m_edit->setText(path); }

void CFileField::Browse()
{
    QFileDialog dialog(this, m_caption);
    dialog.setAcceptMode(m_mode == Mode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_mode == Mode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(m_filters);
    // The window that writes the file asks before replacing one, through
    // the message service.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!Path().isEmpty()) {
        dialog.setDirectory(QFileInfo(Path()).absolutePath());
        dialog.selectFile(Path());
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SetPath(dialog.selectedFiles().constFirst());
}
