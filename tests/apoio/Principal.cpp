// The test programs' main: the application object first, headless.
#include "app/Aplicacao.h"
#include "app/Controles.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TAplicacao aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    QApplication::setQuitOnLastWindowClosed(false);
    RegistrarFontes();
    return RUN_ALL_TESTS();
}
