#pragma once
// A file name typed or chosen with "Browse...": a line edit and a button
// that opens the platform's file dialog (to open an existing file or to
// name a file to write).
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPushButton;

class CFileField : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Open, Save };
    CFileField(Mode mode, const QString& caption, const QStringList& filters, QWidget* parent = nullptr);

    QString Path() const;
    void SetPath(const QString& path);
    QLineEdit* Edit() const { return m_edit; }
    QPushButton* BrowseButton() const { return m_browse; }

signals:
    void PathChanged(const QString& path);

private:
    void Browse();

    Mode m_mode;
    QString m_caption;
    QStringList m_filters;
    QLineEdit* m_edit;
    QPushButton* m_browse;
};
