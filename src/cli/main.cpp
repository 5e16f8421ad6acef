// torvel-calc: the Torvel engine from the command line.
#include <QCoreApplication>

#include "cli/Programa.h"

int main(int argc, char* argv[])
{
    QCoreApplication aplicacion(argc, argv);
    return EjecutarPrograma(QCoreApplication::arguments().mid(1));
}
