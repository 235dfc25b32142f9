#pragma once
// A caption and a progress bar for long work on the user-interface thread.
// Each step lets the window repaint, so the user sees the work advance.
#include <QDialog>

class QLabel;
class QProgressBar;

class CWaitDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWaitDlg(const QString& caption, QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    void SetRange(int minimum, int maximum);
    void SetPos(int pos);
    void StepIt(int step = 1);
    int Pos() const;

    QLabel* CaptionLabel() const { return m_caption; }
    QProgressBar* Progress() const { return m_progress; }

private:
    void Pump();

    QLabel* m_caption = nullptr;
    QProgressBar* m_progress = nullptr;
};
