#pragma once
// Every message box of the program goes through this service, so that tests
// can replace it and check what the user would have been told.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void Error(const QString& text, QWidget* parent = nullptr);
    virtual void Information(const QString& text, QWidget* parent = nullptr);
    virtual void Warning(const QString& text, QWidget* parent = nullptr);
    // A Yes/No question whose default answer is No; true for Yes.
    virtual bool Question(const QString& text, QWidget* parent = nullptr);

    // The save-changes question before a modified document is left behind:
    // Yes saves, No discards, Cancel stays where we are.
    enum class Answer { Yes, No, Cancel };
    virtual Answer QuestionYesNoCancel(const QString& text, QWidget* parent = nullptr);

    // The service in use (message boxes unless a test installed another).
    static MessageService& Instance();
    // Installs a replacement (not owned); null restores the message boxes.
    static void Install(MessageService* service);
};

// A service for tests: records every message and answers questions from a
// queue (No when the queue is empty). Yes/No/Cancel questions have their own
// queue and answer Cancel when it is empty, so nothing is saved or lost by
// accident.
class RecordingMessageService : public MessageService {
public:
    struct Entry {
        QString kind; // "error", "information", "warning", "question", "yesnocancel"
        QString text;
    };
    void Error(const QString& text, QWidget* = nullptr) override { m_log.push_back({"error", text}); }
    void Information(const QString& text, QWidget* = nullptr) override { m_log.push_back({"information", text}); }
    void Warning(const QString& text, QWidget* = nullptr) override { m_log.push_back({"warning", text}); }
    bool Question(const QString& text, QWidget* = nullptr) override
    {
        m_log.push_back({"question", text});
        if (m_answers.isEmpty())
            return false;
        return m_answers.takeFirst();
    }
    Answer QuestionYesNoCancel(const QString& text, QWidget* = nullptr) override
    {
        m_log.push_back({"yesnocancel", text});
        if (m_answers3.isEmpty())
            return Answer::Cancel;
        return m_answers3.takeFirst();
    }
    void QueueAnswer(bool yes) { m_answers.push_back(yes); }
    void QueueAnswer(Answer answer) { m_answers3.push_back(answer); }
    const QList<Entry>& Log() const { return m_log; }
    void Clear() { m_log.clear(); m_answers.clear(); m_answers3.clear(); }
    QString LastText() const { return m_log.isEmpty() ? QString() : m_log.back().text; }
    QString LastKind() const { return m_log.isEmpty() ? QString() : m_log.back().kind; }

private:
    QList<Entry> m_log;
    QList<bool> m_answers;
    QList<Answer> m_answers3;
};

// Installs a recording service for the lifetime of a test scope.
class ScopedRecordingMessages : public RecordingMessageService {
public:
    ScopedRecordingMessages() { MessageService::Install(this); }
    ~ScopedRecordingMessages() override { MessageService::Install(nullptr); }
};
