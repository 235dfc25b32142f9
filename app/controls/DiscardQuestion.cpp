#include "controls/DiscardQuestion.h"

#include "MessageService.h"

bool MayDiscardEdits(bool edited, QWidget* parent)
{
    return !edited || MessageService::Instance().Question(QString::fromLatin1(kDiscardChangesQuestion), parent);
}
