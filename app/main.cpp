#include <QApplication>
#include <QIcon>

#include "QuorvexApp.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvan Soft"));
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));

    CQuorvexApp quorvex;
    if (!quorvex.InitInstance(QApplication::arguments())) {
        quorvex.ExitInstance();
        return 1;
    }
    const int code = QApplication::exec();
    quorvex.ExitInstance();
    return code;
}
