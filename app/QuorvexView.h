#pragma once
// The main view: the status report of the open image and the two buttons
// that lead to the expansion tool and the data location manager.
#include <QWidget>

class CQuorvexDocument;

// The line of the empty window.
constexpr const char* kOpenImageHint = "Open an image (Ctrl+O) or drop one here";
// The line for an open file that is not an image of this game (an empty
// file, random data, another game).
constexpr const char* kNotThisGameHint =
    "This file is not an image of FINAL FANTASY III (US) or FINAL FANTASY VI (Japan): its release is not "
    "recognised, so nothing was loaded and the editors stay off. Open an image of this game (Ctrl+O).";
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
    // The line over the report: how to open an image while none is open,
    // and what is wrong with a file that is not an image of this game.
    QLabel* Hint() const { return m_hint; }

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
    QLabel* m_hint = nullptr;
    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_expand = nullptr;
    QPushButton* m_manage = nullptr;
};
