#pragma once
// Enter in a field commits that field and does nothing else. Qt hands an
// Enter the field did not use on to its dialog, which presses the default
// button: typing 100 in Tiles Studio's monster field pressed "<" as well,
// and Enter in the Audio Editor's "Index" closed the editor as if OK. This
// filter, installed once on the application when it starts, stops such an
// Enter at every dialog of the program. The field has already had the key
// by then (it committed its value and sent its signals). Qt's own standard
// dialogs (file, input, message, colour) keep Enter as their OK.
#include <QObject>

class QWidget;

// Makes every push button of a window an ordinary one, neither drawn as the
// default button nor becoming it. Qt makes the first button of a dialog
// without an OK button its default, so in a window whose Enter belongs to
// its fields (Tiles Studio, the wizards) a button such as "<" looked as if
// Enter pressed it. A button that has the focus still answers Enter, as it
// does in every other window. Called once the window's buttons exist.
void MakeButtonsOrdinary(QWidget* window);

class CEnterKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The filter of the running application (installed at start-up).
    static CEnterKeyFilter* Installed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
