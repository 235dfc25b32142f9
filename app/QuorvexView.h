#pragma once
// The main view: the status report of the open image and the two buttons
// that lead to the expansion tool and the data location manager.
#include <QWidget>

class CQuorvexDocument;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CQuorvexView : public QWidget {
    Q_OBJECT
public:
    explicit CQuorvexView(CQuorvexDocument& doc, QWidget* parent = nullptr);

    // Run after each open and whenever the image changed under the view:
    // rebuilds the report and the buttons' state.
    void OnInitialUpdate();

    QString ReportText() const;
    QPushButton* ExpandButton() const { return m_expand; }
    QPushButton* ManageButton() const { return m_manage; }

signals:
    // The image changed outside an editor (an expansion): the frame
    // refreshes the title and the toolbar.
    void ImageChanged();

private slots:
    void OnExpandRom();
    void OnManageExpandedRom();

private:
    CQuorvexDocument& m_doc;
    QLabel* m_caption = nullptr;
    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_expand = nullptr;
    QPushButton* m_manage = nullptr;
};
