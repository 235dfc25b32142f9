#include "controls/EnterKeyFilter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>

namespace {

QPointer<CEnterKeyFilter> g_filter;

// A field: a place where the user types or picks one value.
bool IsField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

// Qt's standard dialogs, in which Enter in the one field means OK.
bool IsStandardDialog(const QObject* o)
{
    return qobject_cast<const QFileDialog*>(o) || qobject_cast<const QInputDialog*>(o) ||
           qobject_cast<const QMessageBox*>(o) || qobject_cast<const QColorDialog*>(o) ||
           qobject_cast<const QFontDialog*>(o) || qobject_cast<const QProgressDialog*>(o);
}

// Enter on a button with the focus presses it; Qt leaves that to buttons
// that may become the default one.
class CFocusedButtonEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        if (button->isEnabled())
            button->click();
        return true;
    }
};

void InstallEnterKeyFilter()
{
    if (!g_filter && QCoreApplication::instance()) {
        g_filter = new CEnterKeyFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(g_filter);
    }
}

} // namespace

// Every program and test that builds on the windows gets the filter as
// soon as its application object exists.
Q_COREAPP_STARTUP_FUNCTION(InstallEnterKeyFilter)

void MakeButtonsOrdinary(QWidget* window)
{
    auto* enter = new CFocusedButtonEnter(window);
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->installEventFilter(enter);
    }
}

CEnterKeyFilter* CEnterKeyFilter::Installed() { return g_filter; }

bool CEnterKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || IsStandardDialog(dialog))
        return false;
    const QWidget* focus = dialog->focusWidget();
    if (!focus || focus->window() != dialog || !IsField(focus))
        return false;
    event->accept();
    return true;
}
