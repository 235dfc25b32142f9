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

class CEnterKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The filter of the running application (installed at start-up).
    static CEnterKeyFilter* Installed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
