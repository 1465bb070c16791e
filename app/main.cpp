// Zasechka: the forward intersection by Jung's and Gauss's formulas.
#include <QApplication>
#include <QLabel>
#include <QLocale>

#include "arith/number_text.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Прямая засечка"));

    // Numbers are typed and shown with the decimal separator of the user's locale.
    zas::SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());

    QLabel window(QStringLiteral("Рабочие листы Юнга и Гаусса появятся в следующей версии."));
    window.setWindowTitle(QStringLiteral("Прямая засечка"));
    window.setMargin(24);
    window.show();
    return app.exec();
}
